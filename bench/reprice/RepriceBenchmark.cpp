// A million logged calls, a year of twelve monthly logs, decoded by the
// reader of logged calls and re-priced under the four alternatives, in the
// library and by orvalis-cli with its JSON written; and one log of a
// hundred thousand of them re-priced as two types; each beside the time to
// read the logs' bytes, and the time the one-second tick engine takes on a
// sample of the same calls.
#include "reprice/LogName.h"
#include "reprice/RecordReader.h"
#include "reprice/Reprice.h"

#include "bench/support/LoggedYear.h"
#include "engine/CallSimulation.h"
#include "support/TemporaryStore.h"

#include "BasOrvalis/CallDescription.h"
#include "platform/LocaleFormats.h"

#include <ctime>

using namespace BasOrvalis;
using namespace BenchYear;

namespace {

QVector<Repricing::LogInput> ReadLogs(const QStringList& paths) {
    QVector<Repricing::LogInput> logs;
    for (const QString& path : paths) {
        Repricing::LogInput log;
        log.read(path);
        logs << log;
    }
    return logs;
}

// Each log read and every record of it decoded into a call, one log after
// another as orvalis-cli stats reads them.
void DecodeLogRecords(benchmark::State& state, const QStringList& paths, int calls) {
    const Settings settings;
    for (auto _ : state) {
        int decoded = 0;
        for (const QString& path : paths) {
            const Repricing::LogInput log = ReadLogs({path}).first();
            Repricing::RecordReader reader(Repricing::ReadLogName(log.fileName), settings);
            for (int i = 0; i < log.recordCount(); ++i)
                decoded +=
                    reader.read(log.recordData(i)).kind == Repricing::RecordReading::Kind::Call;
        }
        state.counters["calls"] = decoded;
    }
    state.SetItemsProcessed(state.iterations() * calls);
}

// The records already read, as the log viewer holds them.
void RepriceLogs(benchmark::State& state, const QStringList& paths, int calls,
                 const QVector<CommunicationType>& types) {
    const QVector<Repricing::LogInput> logs = ReadLogs(paths);
    for (auto _ : state) {
        const Repricing::Repriced repriced = Repricing::Reprice(logs, types, Settings());
        state.counters["calls"] = repriced.totals.calls;
    }
    state.SetItemsProcessed(state.iterations() * calls);
}

void YearReadBytes(benchmark::State& state) {
    ReadLogBytes(state, loggedYear().paths());
}
BENCHMARK(YearReadBytes)->Unit(benchmark::kMillisecond);

void YearDecodeRecords(benchmark::State& state) {
    DecodeLogRecords(state, loggedYear().paths(), CallCount);
}
BENCHMARK(YearDecodeRecords)->Unit(benchmark::kMillisecond);

void YearRepricedAsFourTypes(benchmark::State& state) {
    RepriceLogs(state, loggedYear().paths(), CallCount, Repricing::Alternatives());
}
BENCHMARK(YearRepricedAsFourTypes)->Unit(benchmark::kMillisecond);

// "orvalis-cli reprice" of the year as the four types, its JSON written to
// a file: the processor time of the whole run.
void YearRepriceCliAsFourTypes(benchmark::State& state) {
    QStringList arguments{QStringLiteral("reprice")};
    arguments += loggedYear().paths();
    for (const CommunicationType type : Repricing::Alternatives())
        arguments << QStringLiteral("--as") << TypeText(type);
    RunCli(state, arguments);
}
BENCHMARK(YearRepriceCliAsFourTypes)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

void OneLogReadBytes(benchmark::State& state) {
    ReadLogBytes(state, {loggedYear().oneLogPath()});
}
BENCHMARK(OneLogReadBytes)->Unit(benchmark::kMillisecond);

void OneLogDecodeRecords(benchmark::State& state) {
    DecodeLogRecords(state, {loggedYear().oneLogPath()}, OneLogCount);
}
BENCHMARK(OneLogDecodeRecords)->Unit(benchmark::kMillisecond);

void OneLogRepricedAsTwoTypes(benchmark::State& state) {
    RepriceLogs(state, {loggedYear().oneLogPath()}, OneLogCount,
                {CommunicationType::Standard, CommunicationType::Temporalis});
}
BENCHMARK(OneLogRepricedAsTwoTypes)->Unit(benchmark::kMillisecond);

// The calculator's engine, second by second on its clock, prices the first
// calls of the year as each type has a value for them; its time for a
// million calls is counted from there.
void TickEngineSample(benchmark::State& state) {
    TemporaryStore store;
    Settings settings;
    settings.AboTemporalis = settings.AboForfaitLocal = 1;
    qint64 seconds = 0;
    std::clock_t cpu = 0;
    for (auto _ : state) {
        const std::clock_t started = std::clock();
        for (const CallRecord& record : loggedYear().sample()) {
            const QDateTime start(LocaleFormats::readShortDate(record.Date, French),
                                  LocaleFormats::readClockText(record.HeureDebut));
            const int length = QTime(0, 0).secsTo(LocaleFormats::readClockText(record.Duree));
            const int band = ReadCallDescription(record.Libelle).band;
            for (const CommunicationType type : Repricing::Alternatives()) {
                const bool localOnly =
                    type == CommunicationType::Numeris || type == CommunicationType::ForfaitLocal;
                if (localOnly && band != 1)
                    continue;
                // A package used up goes on as a standard call.
                CallSimulation simulation(settings, store.store(), start, true);
                QString error;
                simulation.select(type, Numbers::DistanceEntries().at(band - 1), QString(), error);
                simulation.run(start.addSecs(length));
                seconds += length;
            }
        }
        cpu += std::clock() - started;
    }
    const double perCall =
        double(cpu) / CLOCKS_PER_SEC / (double(state.iterations()) * SampleCount);
    state.counters["cpu_s_for_1M_calls"] = perCall * 1e6;
    state.counters["priced_seconds"] = double(seconds);
    state.SetItemsProcessed(state.iterations() * SampleCount);
}
BENCHMARK(TickEngineSample)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
