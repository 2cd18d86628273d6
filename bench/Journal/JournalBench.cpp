// Opening, searching, summing up, re-pricing and exporting a log of one
// million records (94 MB), beside the time to read the same file's bytes once.
#include "common/CallRecord.h"
#include "core/JournalCsv.h"
#include "core/JournalSearch.h"
#include "core/JournalStatistics.h"
#include "core/LogModel.h"
#include "core/WhatIf.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int RecordCount = 1000000;

// The generated log, written once for every benchmark of the run.
class LargeLog final {
public:
    LargeLog() {
        const QString libelles[] = {QStringLiteral("Standard: Appel Local"),
                                    QStringLiteral("Primaliste: 01 42 34 56 78"),
                                    QStringLiteral("Kiosque Micro: 3615 ORVALIS"),
                                    QStringLiteral("Audiotel: 08-36-65-XX-XX"),
                                    QStringLiteral("* Remise à zéro du Coût Total *")};
        QByteArray bytes(qint64(RecordCount) * CallRecord::SlotSize, '\0');
        for (int i = 0; i < RecordCount; ++i) {
            CallRecord record;
            record.Date = QStringLiteral("%1/12/26").arg(1 + i % 28, 2, 10, QLatin1Char('0'));
            record.Libelle = libelles[i % 5];
            record.HeureDebut = QStringLiteral("10:%1:00").arg(i % 60, 2, 10, QLatin1Char('0'));
            record.HeureFin = QStringLiteral("11:00:00");
            record.Duree = QStringLiteral("00:%1:%2")
                               .arg(i % 60, 2, 10, QLatin1Char('0'))
                               .arg(i % 59, 2, 10, QLatin1Char('0'));
            record.Cout = QStringLiteral("0,74");
            record.Total = QString::number(i % 1000) + QStringLiteral(",00");
            const QByteArray data = record.toBytes();
            std::copy(data.begin(), data.end(), bytes.begin() + qint64(i) * CallRecord::SlotSize);
        }
        bytes.truncate(bytes.size() - (CallRecord::SlotSize - CallRecord::DataSize));
        QFile file(path());
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QString path() const { return m_dir.filePath(QStringLiteral("déc.2026.ccm")); }

private:
    QTemporaryDir m_dir;
};

const LargeLog& largeLog() {
    static const LargeLog log;
    return log;
}

void ReadBytesOnce(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(largeLog().path());
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().size());
    }
}

void OpenIntoModel(benchmark::State& state) {
    for (auto _ : state) {
        BasJournal::LogModel model;
        int steps = 0;
        model.load(largeLog().path(), [&steps](int) { ++steps; });
        // The first rows the window shows.
        for (int row = 0; row < 30; ++row)
            benchmark::DoNotOptimize(model.index(row, 2).data());
        state.counters["records"] = model.rowCount();
        state.counters["progress_steps"] = steps;
    }
}

// One search of a value in one column of the whole log.
void Search(benchmark::State& state, const char* value, int column) {
    BasJournal::LogModel model;
    model.load(largeLog().path());
    for (auto _ : state) {
        BasJournal::JournalRows matches;
        BasJournal::SearchGrid(QString::fromUtf8(value), column, model, &matches);
        state.counters["matches"] = double(matches.count());
    }
}

// The figures of the statistics window, from the rows of the open log.
void Statistics(benchmark::State& state) {
    BasJournal::LogModel model;
    model.load(largeLog().path());
    for (auto _ : state) {
        const auto statistics = BasJournal::JournalStatistics::compute(
            {{QStringLiteral("DÉC.2026.CCM"), model.rows().fileBytes()}}, {},
            BasOrvalis::Settings(), QLocale(QLocale::French, QLocale::France));
        state.counters["calls"] = statistics.total.calls;
        state.counters["days"] = double(statistics.byDay.size());
    }
}

// "Et si...": the calls re-priced as the four types, with the default tariffs.
void WhatIf(benchmark::State& state) {
    BasJournal::LogModel model;
    model.load(largeLog().path());
    for (auto _ : state) {
        const auto totals = BasJournal::WhatIf::reprice(
            {{QStringLiteral("DÉC.2026.CCM"), model.rows().fileBytes()}}, {},
            BasOrvalis::Settings(), QLocale(QLocale::French, QLocale::France));
        state.counters["calls"] = totals.calls;
    }
}

// "Exporter..." as CSV, into a file of the same folder.
void ExportCsv(benchmark::State& state) {
    BasJournal::LogModel model;
    model.load(largeLog().path());
    for (auto _ : state) {
        QFile file(largeLog().path() + QStringLiteral(".csv"));
        file.open(QIODevice::WriteOnly);
        BasJournal::JournalCsv::write(model.rows(), QStringLiteral("DÉC.2026.CCM"),
                                      BasOrvalis::Settings(), file,
                                      QLocale(QLocale::French, QLocale::France));
        state.counters["megabytes"] = double(file.size()) / (1 << 20);
    }
}

} // namespace

BENCHMARK(ReadBytesOnce)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OpenIntoModel)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Search, Descriptions, "kiosque", 2)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Search, Durations, "0?", 5)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Statistics)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(WhatIf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ExportCsv)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    largeLog();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
