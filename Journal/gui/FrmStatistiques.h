// "Statistiques...": where the money goes, over the journal on screen or
// over a period of the log folder chosen in the window. The figures are
// computed away from the window, which shows "Calcul en cours..." until
// they come: the totals, the cost over time and per hour as bar charts,
// the totals by type of communication and by distance, the ten dearest
// calls, the records that could not be read, and "Et si...", what the
// calls would have cost under other types of communication, which comes
// last.
#pragma once

#include "core/JournalRows.h"
#include "core/JournalStatistics.h"
#include "core/StatisticsPeriod.h"
#include "reprice/Reprice.h"

#include "BasOrvalis/Settings.h"

#include <QDialog>
#include <QFutureWatcher>

#include <atomic>
#include <memory>

class QLabel;
class QTabWidget;
class QTableWidget;

namespace Journal {

class CostChartView;
class PeriodChooser;

class FrmStatistiques final : public QDialog {
    Q_OBJECT

public:
    // The figures of the journal `rows` as they are now, `caption` naming
    // it; the other periods are read from `logFolder`. The calls are
    // re-priced with the tariff values of `settings`.
    FrmStatistiques(const QString& caption, BasJournal::JournalRows rows, const QString& logFolder,
                    const BasOrvalis::Settings& settings, QWidget* parent = nullptr);
    // The figures of a period of `logFolder`, no journal open.
    FrmStatistiques(const BasJournal::StatisticsPeriod& period, const QString& logFolder,
                    const BasOrvalis::Settings& settings, QWidget* parent = nullptr);
    ~FrmStatistiques() override;

    // The window of the current month's period over the folder, child of
    // `frame`: created when missing, shown and brought to the front.
    static FrmStatistiques* showPeriod(QWidget* frame, const QString& logFolder,
                                       const BasOrvalis::Settings& settings);

    bool isReady() const;
    bool isWhatIfReady() const;

    // The journal's records as they are now, its log having grown: the
    // figures are computed again.
    void followJournal(BasJournal::JournalRows rows);

signals:
    // The figures are shown.
    void ready();
    // "Et si..." is shown.
    void whatIfReady();

private:
    // What one computation read and found.
    struct Figures {
        BasJournal::StatisticsPeriod period;
        QVector<Repricing::LogInput> logs;
        QStringList failures;
        BasJournal::JournalStatistics statistics;
    };

    FrmStatistiques(const QString& caption, BasJournal::JournalRows rows,
                    const BasJournal::StatisticsPeriod& period, const QString& logFolder,
                    const BasOrvalis::Settings& settings, QWidget* parent);
    QWidget* createChartsPage();
    QWidget* createSharesPage();
    QWidget* createWhatIfPage();
    void compute(const BasJournal::StatisticsPeriod& period);
    void showFigures(const Figures& figures);
    void showShares(const BasJournal::JournalStatistics& statistics);
    void showDearest(const BasJournal::JournalStatistics& statistics);
    void showUnread(const BasJournal::JournalStatistics& statistics);
    void showWhatIf(const Repricing::Totals& totals);

    QString m_caption;
    BasJournal::JournalRows m_rows;
    QString m_logFolder;
    BasOrvalis::Settings m_settings;
    // The computation under way; set when it is no longer wanted.
    std::shared_ptr<std::atomic_bool> m_stop;
    QFutureWatcher<Figures> m_figures;
    QFutureWatcher<Repricing::Totals> m_repricing;
    PeriodChooser* m_period;
    QLabel* m_lblResume;
    QTabWidget* m_tabs;
    CostChartView* m_chartJours;
    CostChartView* m_chartHeures;
    QTableWidget* m_tblTypes;
    QTableWidget* m_tblDistances;
    QTableWidget* m_tblPlusChers;
    QTableWidget* m_tblIllisibles;
    QLabel* m_lblEtSi;
    QTableWidget* m_tblEtSi;
    bool m_ready = false;
    bool m_whatIfReady = false;
};

} // namespace Journal
