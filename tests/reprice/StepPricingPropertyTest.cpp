// Whole calls priced one stretch of constant rate at a time agree, to the
// last bit, with the calculator's one-second tick: the same cost, the same
// stop and the same package time left. Random calls of every type and
// number, starts over several years with holidays and the hours at which
// the rate changes, lengths from a second to 30 hours. Each run of the tick
// engine gives the calls of every length up to its own, so one run checks
// many of them.
#include "reprice/CallPricing.h"
#include "reprice/LocalCallClocks.h"

#include "engine/CallEngine.h"
#include "engine/CallSimulation.h"
#include "engine/ManualClock.h"
#include "support/CapturedLog.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryStore.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iostream>
#include <map>
#include <random>
#include <set>

using namespace BasOrvalis;
using namespace Repricing;

namespace {

constexpr int CallsChecked = 100000;
constexpr int CallsPerRun = 50;
constexpr int LongestCall = 30 * 3600;
constexpr int MostFailuresShown = 10;

// ORVALIS_PROPERTY_SEED replays a run; otherwise each run draws its own.
quint64 Seed() {
    bool given = false;
    const quint64 seed = qEnvironmentVariable("ORVALIS_PROPERTY_SEED").toULongLong(&given);
    return given ? seed : (quint64(std::random_device()()) << 32) ^ std::random_device()();
}

class Random final {
public:
    explicit Random(quint64 seed)
        : m_engine(seed) {}

    int integer(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_engine);
    }
    float real(float low, float high) {
        return std::uniform_real_distribution<float>(low, high)(m_engine);
    }
    bool chance(double probability) { return std::bernoulli_distribution(probability)(m_engine); }
    // From 1 to `high`, short lengths as likely as long ones at every scale.
    int logUniform(int high) {
        const double x = std::uniform_real_distribution<double>(0., std::log(high + 1.))(m_engine);
        return std::clamp(static_cast<int>(std::exp(x)), 1, high);
    }
    template <typename List> const auto& among(const List& list) {
        return list.at(integer(0, static_cast<int>(list.size()) - 1));
    }

private:
    std::mt19937_64 m_engine;
};

QTime RandomPackageTime(Random& random, int fullSeconds) {
    if (random.chance(0.2))
        return QTime(0, 0);
    const int seconds =
        random.chance(0.4) ? random.integer(1, 1200) : random.integer(0, fullSeconds);
    return QTime(0, 0).addSecs(seconds);
}

// Every subscription, so that every type is offered; other tariff values
// now and then, fractions of a second included.
Settings RandomSettings(Random& random) {
    Settings settings;
    settings.AboPrimaliste = settings.AboPrimalisteInternet = settings.AboTemporalis = 1;
    settings.AboForfaitLocal = settings.AboLibreAcces = settings.TarifPerso = 1;
    if (random.chance(0.3)) {
        settings.TarifCreditTemps = random.real(0.f, 2.f);
        for (int band = 0; band < BandCount; ++band) {
            settings.CreditTemps[band] =
                random.chance(0.5) ? float(random.integer(0, 300)) : random.real(0.f, 300.f);
            settings.TarifMinute[band] = random.real(0.01f, 3.f);
        }
    }
    for (int n = 1; n <= PrimalisteInternetIndex; ++n) {
        settings.NumerosPrimaliste[n] =
            random.chance(0.2) ? Numbers::NonConfigure : QStringLiteral("01 40 00 00 0%1").arg(n);
    }
    for (int n = 1; n <= PrimalisteCount; ++n)
        settings.ZonesPrimaliste[n] = random.integer(0, BandCount + 1);
    settings.PersoNumero = QStringLiteral("0033 1 00 00 00 00");
    settings.PersoDureeCredit =
        random.chance(0.5) ? float(random.integer(0, 300)) : random.real(0.f, 300.f);
    settings.PersoTarifCredit = random.real(0.f, 2.f);
    settings.PersoCoutMinute = random.real(0.f, 3.f);
    settings.PersoReductions = random.chance(0.5);
    settings.TempsForfaitLocal = RandomPackageTime(random, 6 * 3600);
    settings.TempsLibreAcces = RandomPackageTime(random, 20 * 3600);
    return settings;
}

// Any day from 1999 to 2030, a holiday or its eve half of the time; any
// second, or within twenty minutes of a change of rate.
QDateTime RandomStart(Random& random) {
    const int year = random.integer(1999, 2030);
    const QDate newYear(year, 1, 1);
    QDate day = newYear.addDays(random.integer(0, newYear.daysInYear() - 1));
    if (random.chance(0.5))
        day = random.among(ComputeHolidays(year)).addDays(-random.integer(0, 1));
    static const std::array<int, 6> changes{0, 8, 14, 18, 19, 22};
    int second = random.integer(0, 24 * 3600 - 1);
    if (random.chance(0.5))
        second =
            (random.among(changes) * 3600 + random.integer(-1200, 1200) + 24 * 3600) % (24 * 3600);
    // The tick engine runs on UTC times: its clock needs no zone then.
    return QDateTime(day, QTime(0, 0).addSecs(second), Qt::UTC);
}

CallStop StopOf(const ShownMessage& message) {
    switch (message.title) {
    case 213:
        return CallStop::NoType;
    case 214:
        return CallStop::NotConfigured;
    case 216:
    case 222:
        return CallStop::PackageUsedUp;
    default:
        return CallStop::OutsideHours;
    }
}

quint32 Bits(float value) {
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

bool Same(const PricedCall& a, const PricedCall& b) {
    return Bits(a.cost) == Bits(b.cost) && a.seconds == b.seconds && a.stop == b.stop &&
           a.remaining == b.remaining;
}

std::string Described(const PricedCall& call) {
    return QStringLiteral("cost %1 (bits %2), %3 s, stop %4, left %5")
        .arg(double(call.cost), 0, 'g', 9)
        .arg(Bits(call.cost), 8, 16, QLatin1Char('0'))
        .arg(call.seconds)
        .arg(int(call.stop))
        .arg(call.remaining.toString(QStringLiteral("hh:mm:ss")))
        .toStdString();
}

std::string Described(const Settings& s) {
    QStringList credits;
    QStringList prices;
    for (int band = 0; band < BandCount; ++band) {
        credits << QString::number(double(s.CreditTemps[band]), 'g', 9);
        prices << QString::number(double(s.TarifMinute[band]), 'g', 9);
    }
    return QStringLiteral("credit price %1, credits %2, prices %3, zones %4 %5 %6 %7 %8 %9, perso "
                          "%10/%11/%12 reductions %13, forfait %14, libre %15")
        .arg(double(s.TarifCreditTemps), 0, 'g', 9)
        .arg(credits.join(QLatin1Char(' ')), prices.join(QLatin1Char(' ')))
        .arg(s.ZonesPrimaliste[1])
        .arg(s.ZonesPrimaliste[2])
        .arg(s.ZonesPrimaliste[3])
        .arg(s.ZonesPrimaliste[4])
        .arg(s.ZonesPrimaliste[5])
        .arg(s.ZonesPrimaliste[6])
        .arg(double(s.PersoDureeCredit), 0, 'g', 9)
        .arg(double(s.PersoTarifCredit), 0, 'g', 9)
        .arg(double(s.PersoCoutMinute), 0, 'g', 9)
        .arg(s.PersoReductions)
        .arg(s.TempsForfaitLocal.toString(), s.TempsLibreAcces.toString())
        .toStdString();
}

// One random call run second by second by the calculator's engine, seen
// after each second whose length is to be checked.
class TickRun final {
public:
    TickRun(Random& random, SettingsStore& store)
        : m_settings(RandomSettings(random))
        , m_start(RandomStart(random))
        , m_startDate(StartDateOf(m_start.date()))
        , m_joursFeries(ComputeHolidays(m_start.date().year()))
        , m_clock(m_start)
        , m_engineSettings(m_settings)
        , m_engine(m_engineSettings, m_startDate, m_joursFeries, store, m_clock, m_messages, m_log,
                   nullptr) {
        m_engine.CboCommunication_Click(random.among(AllCommunicationTypes));
        m_engine.CboNumero_Click(random.integer(0, int(m_engine.selection().numbers().size()) - 1));
        if (!m_engine.selection().rates().isEmpty())
            m_engine.CboTarif_Click(
                random.integer(0, int(m_engine.selection().rates().size()) - 1));
        m_longest = random.logUniform(LongestCall);
        m_lengths.insert(m_longest);
        while (int(m_lengths.size()) < std::min(CallsPerRun, m_longest))
            m_lengths.insert(random.logUniform(m_longest));
    }

    // The engine's call up to the longest length, or to its stop.
    void run() {
        m_engine.CalculPlagesHoraires();
        m_engine.StartStop(true);
        for (int second = 1; second <= m_longest; ++second) {
            m_clock.advance(1);
            m_engine.Timer1_Timer();
            if (!m_engine.EnCours()) {
                m_stop = observed(second, StopOf(m_messages.shown.last()));
                return;
            }
            if (m_lengths.count(second))
                m_seen[second] = observed(second, CallStop::None);
        }
    }

    // Each length priced as a whole call: the number of lengths priced
    // otherwise, the first ones described.
    int check(int failuresShown) const {
        int failures = 0;
        const PricedLine line = LineOf(m_engine.selection().type(), m_engine.selection().number(),
                                       m_engine.selection().rate(), m_settings);
        for (const int length : m_lengths) {
            const PricedCall ticked =
                m_stop && m_stop->seconds <= length ? *m_stop : m_seen.at(length);
            const PricedCall stepped =
                PriceCall(line, CallClock::of(m_start, length), length, m_settings, m_joursFeries);
            if (Same(ticked, stepped))
                continue;
            if (failuresShown + failures++ < MostFailuresShown) {
                ADD_FAILURE() << TypeText(line.type).toStdString() << " « "
                              << line.number.toStdString() << " » rate « "
                              << line.rate.toStdString() << " » from "
                              << m_start.toString(Qt::ISODate).toStdString() << " ("
                              << m_start.date().toString(QStringLiteral("dddd")).toStdString()
                              << ") for " << length << " s\n  settings: " << Described(m_settings)
                              << "\n  tick engine: " << Described(ticked)
                              << "\n  in stretches: " << Described(stepped);
            }
        }
        return failures;
    }

    int calls() const { return static_cast<int>(m_lengths.size()); }

private:
    PricedCall observed(int second, CallStop stop) const {
        PricedCall call;
        call.cost = m_engine.state().CoutAppel;
        call.seconds = second;
        call.stop = stop;
        call.remaining = m_engine.tempsRestant();
        return call;
    }

    const Settings m_settings;
    const QDateTime m_start;
    const StartDate m_startDate;
    const Holidays m_joursFeries;
    ManualClock m_clock;
    ScriptedMessages m_messages{MessageAnswer::No};
    CapturedLog m_log;
    // The engine saves the package time left into its settings.
    Settings m_engineSettings;
    CallEngine m_engine;
    int m_longest = 0;
    std::set<int> m_lengths;
    std::map<int, PricedCall> m_seen;
    std::optional<PricedCall> m_stop;
};

} // namespace

TEST(StepPricing, AgreesWithTheTickEngineToTheLastBit) {
    const quint64 seed = Seed();
    std::cout << "seed " << seed << " (ORVALIS_PROPERTY_SEED=" << seed << " replays it)"
              << std::endl;
    Random random(seed);
    // The engine saves the total at every stop, and each save waits for the
    // disk: a folder in memory, where the system has one, keeps the disk out.
    const QString memory = QStringLiteral("/dev/shm");
    QTemporaryDir folder(QDir(memory).exists() ? memory + QStringLiteral("/orvalis-XXXXXX")
                                               : QString());
    SettingsStore store(folder.filePath(QStringLiteral("Orvalis.ini")));
    int calls = 0;
    int failures = 0;
    while (calls < CallsChecked) {
        TickRun tickRun(random, store);
        tickRun.run();
        failures += tickRun.check(failures);
        calls += tickRun.calls();
    }
    std::cout << calls << " calls, " << failures << " different" << std::endl;
    EXPECT_EQ(failures, 0) << "seed " << seed;
}

// The night of Primaliste Internet ends at 08:00 on the clock: an hour
// sooner when the clocks go forward during the call, an hour later when
// they go back.
TEST(StepPricing, FollowsTheChangesOfTheSystemClock) {
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Paris");
    tzset();
    const struct {
        QDate sunday;
        int stop;
    } rows[] = {{QDate(2027, 3, 28), 6 * 3600}, {QDate(2027, 10, 31), 8 * 3600}};
    for (const auto& row : rows) {
        Settings settings;
        settings.AboPrimalisteInternet = 1;
        settings.NumerosPrimaliste[PrimalisteInternetIndex] = QStringLiteral("0860000000");
        const QDateTime start(row.sunday, QTime(1, 0));
        const int seconds = 9 * 3600;
        TemporaryStore store;
        CallSimulation ticked(settings, store.store(), start, false);
        QString error;
        ASSERT_TRUE(ticked.select(CommunicationType::PrimalisteInternet,
                                  settings.NumerosPrimaliste[PrimalisteInternetIndex], QString(),
                                  error));
        ticked.run(start.addSecs(seconds));
        const SimulatedCall& call = ticked.calls().first();
        ASSERT_EQ(start.secsTo(call.stop), row.stop);

        const PricedCall stepped = PriceCall(
            LineOf(CommunicationType::PrimalisteInternet,
                   settings.NumerosPrimaliste[PrimalisteInternetIndex], QString(), settings),
            CallClock::of(start, seconds), seconds, settings, ComputeHolidays(2027));
        EXPECT_EQ(stepped.seconds, row.stop);
        EXPECT_EQ(stepped.stop, CallStop::OutsideHours);
        EXPECT_EQ(Bits(stepped.cost), Bits(call.cost));
    }
    // Logged calls of the days of a change follow it too; other days' do
    // without asking the zone.
    LocalCallClocks clocks;
    const QDate spring(2027, 3, 28);
    EXPECT_EQ(clocks.of(spring, 3600, 7200).wallAt(7200), CallClock(spring, 4 * 3600).wallAt(0));
    EXPECT_EQ(clocks.of(spring.addDays(1), 3600, 7200).wallAt(7200),
              CallClock(spring.addDays(1), 3 * 3600).wallAt(0));
    // A call that goes on from a second of another keeps its change.
    const CallClock night = CallClock::of(QDateTime(spring, QTime(1, 0)), 7200);
    EXPECT_EQ(night.after(1800).wallAt(5400), night.wallAt(7200));
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
}
