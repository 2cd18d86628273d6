// "Statistiques...": where the money of a journal goes. The figures are
// computed away from the window, which shows "Calcul en cours..." until
// they come: the totals, the cost per day and per hour as bar charts, the
// totals by type of communication and by distance, the ten dearest calls,
// and "Et si...", what the calls would have cost under other types of
// communication, which comes last.
#pragma once

#include "core/JournalRows.h"
#include "core/JournalStatistics.h"
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

class FrmStatistiques final : public QDialog {
    Q_OBJECT

public:
    // The figures of `rows` as they are now; `caption` names the journal;
    // the calls are re-priced with the tariff values of `settings`.
    FrmStatistiques(const QString& caption, BasJournal::JournalRows rows,
                    const BasOrvalis::Settings& settings, QWidget* parent = nullptr);
    ~FrmStatistiques() override;

    bool isReady() const;
    bool isWhatIfReady() const;

signals:
    // The figures are shown.
    void ready();
    // "Et si..." is shown.
    void whatIfReady();

private:
    QWidget* createChartsPage();
    QWidget* createSharesPage();
    QWidget* createWhatIfPage();
    void showStatistics(const BasJournal::JournalStatistics& statistics);
    void showShares(const BasJournal::JournalStatistics& statistics);
    void showDearest(const BasJournal::JournalStatistics& statistics);
    void showWhatIf(const Repricing::Totals& totals);

    BasJournal::JournalRows m_rows;
    std::shared_ptr<std::atomic_bool> m_stop;
    QFutureWatcher<BasJournal::JournalStatistics> m_statistics;
    QFutureWatcher<Repricing::Totals> m_repricing;
    QLabel* m_lblResume;
    QTabWidget* m_tabs;
    CostChartView* m_chartJours;
    CostChartView* m_chartHeures;
    QTableWidget* m_tblTypes;
    QTableWidget* m_tblDistances;
    QTableWidget* m_tblPlusChers;
    QLabel* m_lblEtSi;
    QTableWidget* m_tblEtSi;
    bool m_ready = false;
    bool m_whatIfReady = false;
};

} // namespace Journal
