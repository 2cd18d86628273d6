// A million logged calls, a year of twelve monthly logs, re-priced under the
// four alternatives, and one log of a hundred thousand of them re-priced as
// two types, each beside the time to read the logs' bytes and their records,
// and the time the one-second tick engine takes on a sample of the same
// calls.
#include "reprice/Reprice.h"

#include "engine/CallSimulation.h"
#include "support/TemporaryStore.h"

#include "BasOrvalis/CallDescription.h"
#include "common/LogFile.h"
#include "platform/LocaleFormats.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>
#include <random>

using namespace BasOrvalis;

namespace {

constexpr int CallCount = 1000000;
constexpr int SampleCount = 100;
// The calls of the one log that a user re-prices as two types.
constexpr int OneLogCount = 100000;
// The logs are French ones.
const QLocale French(QLocale::French, QLocale::France);

// The numbers called, most of them local.
const QStringList& Descriptions() {
    static const QStringList descriptions{
        QStringLiteral("Standard: Appel Local"),         QStringLiteral("Standard: Appel Local"),
        QStringLiteral("Forfait Local: Appel N° Local"), QStringLiteral("Standard: Appel d<25 Kms"),
        QStringLiteral("Temporalis: Appel 30<d<52 Kms"), QStringLiteral("Standard: Appel National"),
        QStringLiteral("Numéris Itoo: Appel N° Local"),
    };
    return descriptions;
}

// Short calls, Internet sessions of an hour or so, a few of an afternoon.
int RandomDuration(std::mt19937& random) {
    const int kind = std::uniform_int_distribution<int>(0, 19)(random);
    if (kind < 14)
        return std::uniform_int_distribution<int>(10, 600)(random);
    if (kind < 19)
        return std::uniform_int_distribution<int>(600, 3600)(random);
    return std::uniform_int_distribution<int>(3600, 5 * 3600)(random);
}

// Twelve monthly logs of 2027, written once for every benchmark of the run.
class LoggedYear final {
public:
    LoggedYear() {
        std::mt19937 random(1999);
        for (int month = 1; month <= 12; ++month) {
            const QDate first(2027, month, 1);
            QVector<CallRecord> records;
            const int calls = CallCount / 12 + (month <= CallCount % 12 ? 1 : 0);
            QVector<QDateTime> starts;
            for (int i = 0; i < calls; ++i) {
                const int day =
                    std::uniform_int_distribution<int>(0, first.daysInMonth() - 1)(random);
                const int second = std::uniform_int_distribution<int>(0, 24 * 3600 - 1)(random);
                starts << QDateTime(first.addDays(day), QTime(0, 0).addSecs(second));
            }
            std::sort(starts.begin(), starts.end());
            for (const QDateTime& start : starts) {
                CallRecord record;
                record.Date = start.date().toString(QStringLiteral("dd/MM/yy"));
                record.Libelle = Descriptions().at(
                    std::uniform_int_distribution<int>(0, int(Descriptions().size()) - 1)(random));
                record.HeureDebut = start.time().toString(QStringLiteral("HH:mm:ss"));
                record.Duree = QTime(0, 0)
                                   .addSecs(RandomDuration(random))
                                   .toString(QStringLiteral("HH:mm:ss"));
                record.Cout = QStringLiteral("1,23");
                record.Total = QStringLiteral("1234,56");
                records << record;
                if (m_sample.size() < SampleCount)
                    m_sample << record;
            }
            const QString path = m_dir.filePath(LogFile::monthlyName(first, French));
            LogFile::writeAll(path, records);
            m_paths << path;
            const int room = OneLogCount - int(m_oneLog.size());
            m_oneLog += records.mid(0, std::min(room, int(records.size())));
        }
        // Named as the first month's log, whose name tells the dates' locale.
        QDir(m_dir.path()).mkdir(QStringLiteral("extrait"));
        m_oneLogPath = m_dir.filePath(QStringLiteral("extrait/") +
                                      LogFile::monthlyName(QDate(2027, 1, 1), French));
        LogFile::writeAll(m_oneLogPath, m_oneLog);
    }

    const QStringList& paths() const { return m_paths; }
    // The first calls of the year in one log.
    const QString& oneLogPath() const { return m_oneLogPath; }
    // The first calls of the year.
    const QVector<CallRecord>& sample() const { return m_sample; }

private:
    QTemporaryDir m_dir;
    QStringList m_paths;
    QVector<CallRecord> m_sample;
    QVector<CallRecord> m_oneLog;
    QString m_oneLogPath;
};

const LoggedYear& loggedYear() {
    static const LoggedYear year;
    return year;
}

QVector<Repricing::LogInput> ReadLogs(const QStringList& paths) {
    QVector<Repricing::LogInput> logs;
    for (const QString& path : paths) {
        Repricing::LogInput log;
        log.fileName = QFileInfo(path).fileName();
        LogFile::readAll(path, &log.records);
        logs << log;
    }
    return logs;
}

void ReadLogBytes(benchmark::State& state, const QStringList& paths) {
    for (auto _ : state) {
        qint64 bytes = 0;
        for (const QString& path : paths) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            bytes += file.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}

void ReadLogRecords(benchmark::State& state, const QStringList& paths, int calls) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadLogs(paths));
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

void YearReadRecords(benchmark::State& state) {
    ReadLogRecords(state, loggedYear().paths(), CallCount);
}
BENCHMARK(YearReadRecords)->Unit(benchmark::kMillisecond);

void YearRepricedAsFourTypes(benchmark::State& state) {
    RepriceLogs(state, loggedYear().paths(), CallCount, Repricing::Alternatives());
}
BENCHMARK(YearRepricedAsFourTypes)->Unit(benchmark::kMillisecond);

void OneLogReadBytes(benchmark::State& state) {
    ReadLogBytes(state, {loggedYear().oneLogPath()});
}
BENCHMARK(OneLogReadBytes)->Unit(benchmark::kMillisecond);

void OneLogReadRecords(benchmark::State& state) {
    ReadLogRecords(state, {loggedYear().oneLogPath()}, OneLogCount);
}
BENCHMARK(OneLogReadRecords)->Unit(benchmark::kMillisecond);

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
