// The cost of one tick of the call in progress for every type of
// communication, and of pricing a 24-hour call second by second.
#include "engine/CallEngine.h"
#include "engine/CallSimulation.h"
#include "engine/ManualClock.h"
#include "support/CapturedLog.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryStore.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/Settings.h"

#include <QCoreApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

#include <cstdint>

using namespace BasOrvalis;

namespace {

struct TypeCase {
    CommunicationType type;
    QString number;
};

// Every type with a number it prices, all subscriptions held.
const std::vector<TypeCase>& TypeCases() {
    static const std::vector<TypeCase> cases{
        {CommunicationType::Standard, Numbers::AppelLocal},
        {CommunicationType::Primaliste, QStringLiteral("0140000001")},
        {CommunicationType::PrimalisteInternet, QStringLiteral("0860000000")},
        {CommunicationType::Temporalis, Numbers::AppelLocal},
        {CommunicationType::ForfaitLocal, Numbers::AppelLocal},
        {CommunicationType::LibreAcces, Numbers::AppelLocal},
        {CommunicationType::Perso, QStringLiteral("0033100000000")},
        {CommunicationType::Numeris, Numbers::AppelLocal},
        {CommunicationType::Kiosque, Numbers::Kiosque1313},
        {CommunicationType::Audiotel, Numbers::AudiotelPrefixes().at(6)},
    };
    return cases;
}

Settings AllSubscriptions() {
    Settings settings;
    settings.AboPrimaliste = settings.AboPrimalisteInternet = settings.AboTemporalis = 1;
    settings.AboForfaitLocal = settings.AboLibreAcces = settings.TarifPerso = 1;
    settings.NumerosPrimaliste[1] = QStringLiteral("0140000001");
    settings.NumerosPrimaliste[PrimalisteInternetIndex] = QStringLiteral("0860000000");
    settings.PersoNumero = QStringLiteral("0033100000000");
    settings.TempsForfaitLocal = QTime(23, 59, 59);
    settings.TempsLibreAcces = QTime(23, 59, 59);
    return settings;
}

// A Saturday at 23:00: every type, packages and night option included, is
// priced rather than refused.
const QDateTime Start(QDate(2026, 12, 12), QTime(23, 0));

void BM_Tick(benchmark::State& state) {
    const TypeCase& c = TypeCases().at(static_cast<std::size_t>(state.range(0)));
    state.SetLabel(TypeText(c.type).toStdString());
    TemporaryStore store;
    Settings settings = AllSubscriptions();
    const StartDate startDate = StartDateOf(Start.date());
    const Holidays joursFeries = ComputeHolidays(Start.date().year());
    ManualClock clock(Start);
    ScriptedMessages messages{MessageAnswer::No};
    CapturedLog log;
    CallEngine engine(settings, startDate, joursFeries, store.store(), clock, messages, log,
                      nullptr);
    // Chosen as the user would: the type, then its number.
    const auto choose = [&engine, &c] {
        engine.CboCommunication_Click(c.type);
        engine.CboNumero_Click(static_cast<int>(engine.selection().numbers().indexOf(c.number)));
    };
    choose();
    engine.StartStop(true);
    std::int64_t restarts = 0;
    for (auto _ : state) {
        clock.advance(1);
        engine.Timer1_Timer();
        if (!engine.EnCours()) {
            // A package used up after a day, or the night over: the next
            // call starts where the first one did, with the package full
            // again, so that every other tick is a priced one.
            state.PauseTiming();
            settings = AllSubscriptions();
            clock.setNow(Start);
            choose();
            engine.StartStop(true);
            ++restarts;
            state.ResumeTiming();
        }
    }
    state.counters["restarts"] = static_cast<double>(restarts);
}
BENCHMARK(BM_Tick)->DenseRange(0, 9);

void BM_DayLongCall(benchmark::State& state) {
    TemporaryStore store;
    const Settings settings = AllSubscriptions();
    for (auto _ : state) {
        CallSimulation simulation(settings, store.store(), Start, false);
        QString error;
        simulation.select(CommunicationType::Standard, Numbers::AppelLocal, QString(), error);
        simulation.run(Start.addDays(1));
        benchmark::DoNotOptimize(simulation.total());
    }
    state.SetItemsProcessed(state.iterations() * 24 * 3600);
}
BENCHMARK(BM_DayLongCall)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
