// The statistics of a year of logs, twelve files and a million calls: the
// figures computed from the files, "orvalis-cli stats" of the year (the
// processor time of the run), and the statistics window of the year from
// its opening until its figures are shown, each beside the time to read the
// logs' bytes. Run on the offscreen platform.
#include "bench/support/LoggedYear.h"
#include "core/JournalStatistics.h"
#include "core/PeriodLogs.h"
#include "gui/FrmStatistiques.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>

using namespace BenchYear;

namespace {

const Repricing::DayRange Year{QDate(2027, 1, 1), QDate(2027, 12, 31)};

// Runs the events until the window tells that it shows `what`.
void waitFor(Journal::FrmStatistiques* window, void (Journal::FrmStatistiques::*what)()) {
    QEventLoop loop;
    QObject::connect(window, what, &loop, &QEventLoop::quit);
    loop.exec();
}

void YearReadBytes(benchmark::State& state) {
    ReadLogBytes(state, loggedYear().paths());
}
BENCHMARK(YearReadBytes)->Unit(benchmark::kMillisecond);

// The logs of the folder that the year covers, read and counted one after
// another.
void YearStatistics(benchmark::State& state) {
    for (auto _ : state) {
        BasJournal::StatisticsCounter counter(Year, BasOrvalis::Settings(), French);
        for (const QString& path :
             BasJournal::PeriodLogs::covering(loggedYear().folder().path(), Year, French)) {
            Repricing::LogInput log;
            log.read(path);
            counter.add(log);
        }
        state.counters["calls"] = counter.result().total.calls;
    }
}
BENCHMARK(YearStatistics)->Unit(benchmark::kMillisecond);

void YearStatsCli(benchmark::State& state) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORVALIS_JOURNAUX"), loggedYear().folder().path());
    RunCli(state,
           {QStringLiteral("stats"), QStringLiteral("--from"), QStringLiteral("2027-01-01"),
            QStringLiteral("--to"), QStringLiteral("2027-12-31")},
           environment);
}
BENCHMARK(YearStatsCli)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

// From the window's creation until its figures show; "Et si..." comes after.
void YearStatisticsWindow(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer shown;
        shown.start();
        auto* window =
            new Journal::FrmStatistiques(BasJournal::StatisticsPeriod::holding(
                                             BasJournal::StatisticsPeriod::Kind::Year, Year.first),
                                         loggedYear().folder().path(), BasOrvalis::Settings());
        window->show();
        waitFor(window, &Journal::FrmStatistiques::ready);
        state.SetIterationTime(double(shown.nsecsElapsed()) / 1e9);
        waitFor(window, &Journal::FrmStatistiques::whatIfReady);
        state.counters["with_et_si_s"] = double(shown.nsecsElapsed()) / 1e9;
        delete window;
    }
}
BENCHMARK(YearStatisticsWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(French);
    benchmark::Initialize(&argc, argv);
    loggedYear();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
