// A million logged calls, a year of twelve monthly logs of 2027 written as
// under French settings, generated once for every benchmark of a run; and
// what the benchmarks of a year share: the time to read the logs' bytes and
// the processor time of a run of orvalis-cli.
#pragma once

#include "common/CallRecord.h"
#include "common/LogFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <random>

namespace BenchYear {

constexpr int CallCount = 1000000;
constexpr int SampleCount = 100;
// The calls of the one log that a user re-prices as two types.
constexpr int OneLogCount = 100000;
// The logs are French ones.
inline const QLocale French(QLocale::French, QLocale::France);

// The numbers called, most of them local.
inline const QStringList& Descriptions() {
    static const QStringList descriptions{
        QStringLiteral("Standard: Appel Local"),         QStringLiteral("Standard: Appel Local"),
        QStringLiteral("Forfait Local: Appel N° Local"), QStringLiteral("Standard: Appel d<25 Kms"),
        QStringLiteral("Temporalis: Appel 30<d<52 Kms"), QStringLiteral("Standard: Appel National"),
        QStringLiteral("Numéris Itoo: Appel N° Local"),
    };
    return descriptions;
}

// Short calls, Internet sessions of an hour or so, a few of an afternoon.
inline int RandomDuration(std::mt19937& random) {
    const int kind = std::uniform_int_distribution<int>(0, 19)(random);
    if (kind < 14)
        return std::uniform_int_distribution<int>(10, 600)(random);
    if (kind < 19)
        return std::uniform_int_distribution<int>(600, 3600)(random);
    return std::uniform_int_distribution<int>(3600, 5 * 3600)(random);
}

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
            const QString path = folder().filePath(LogFile::monthlyName(first, French));
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

    // The log folder, which holds the year's logs alone.
    QDir folder() const {
        QDir(m_dir.path()).mkpath(QStringLiteral("Journaux"));
        return QDir(m_dir.filePath(QStringLiteral("Journaux")));
    }
    const QStringList& paths() const { return m_paths; }
    // The first calls of the year in one log.
    const QString& oneLogPath() const { return m_oneLogPath; }
    // The first calls of the year.
    const QVector<CallRecord>& sample() const { return m_sample; }
    QString scratchPath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QStringList m_paths;
    QVector<CallRecord> m_sample;
    QVector<CallRecord> m_oneLog;
    QString m_oneLogPath;
};

inline const LoggedYear& loggedYear() {
    static const LoggedYear year;
    return year;
}

inline void ReadLogBytes(benchmark::State& state, const QStringList& paths) {
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

inline double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs orvalis-cli of the build with `arguments`, its output written to a
// file; the row's time is the processor time the run took, its counters
// that time and the size of the output.
inline void
RunCli(benchmark::State& state, const QStringList& arguments,
       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    const QString output = loggedYear().scratchPath(QStringLiteral("sortie.json"));
    double cpu = 0;
    for (auto _ : state) {
        const double before = ChildrenCpuSeconds();
        QProcess cli;
        cli.setProcessEnvironment(environment);
        cli.setStandardOutputFile(output);
        cli.start(QStringLiteral(ORVALIS_BIN_DIR "/orvalis-cli"), arguments);
        cli.waitForFinished(-1);
        const double used = ChildrenCpuSeconds() - before;
        state.SetIterationTime(used);
        cpu += used;
        if (cli.exitCode() != 0)
            state.SkipWithError("orvalis-cli failed");
    }
    state.counters["cpu_s"] = cpu / double(state.iterations());
    state.counters["output_MB"] = double(QFileInfo(output).size()) / (1 << 20);
}

} // namespace BenchYear
