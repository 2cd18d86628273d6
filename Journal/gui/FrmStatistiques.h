// "Statistiques...": where the money of a journal goes. The figures are
// computed away from the window, which shows "Calcul en cours..." until
// they come: the totals, the cost per day and per hour as bar charts, the
// totals by type of communication and by distance, and the ten dearest calls.
#pragma once

#include "core/JournalRows.h"
#include "core/JournalStatistics.h"

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
    // The figures of `rows` as they are now; `caption` names the journal.
    FrmStatistiques(const QString& caption, BasJournal::JournalRows rows,
                    QWidget* parent = nullptr);
    ~FrmStatistiques() override;

    bool isReady() const;

signals:
    // The figures are shown.
    void ready();

private:
    QWidget* createChartsPage();
    QWidget* createSharesPage();
    void showStatistics(const BasJournal::JournalStatistics& statistics);
    void showShares(const BasJournal::JournalStatistics& statistics);
    void showDearest(const BasJournal::JournalStatistics& statistics);

    BasJournal::JournalRows m_rows;
    std::shared_ptr<std::atomic_bool> m_stop;
    QFutureWatcher<BasJournal::JournalStatistics> m_watcher;
    QLabel* m_lblResume;
    QTabWidget* m_tabs;
    CostChartView* m_chartJours;
    CostChartView* m_chartHeures;
    QTableWidget* m_tblTypes;
    QTableWidget* m_tblDistances;
    QTableWidget* m_tblPlusChers;
    bool m_ready = false;
};

} // namespace Journal
