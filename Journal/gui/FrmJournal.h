// A journal window: one log or one search result shown in the grid
// "Grille", with the empty-log notice "txtVide". Its index in the table of
// journal windows never changes while it is open.
#pragma once

#include "core/JournalModel.h"

#include <QMdiSubWindow>

#include <memory>

class QLabel;
class QTableView;
namespace BasJournal {
class JournalSlots;
class LogModel;
} // namespace BasJournal

namespace Journal {

class FrmJournal final : public QMdiSubWindow {
    Q_OBJECT

public:
    FrmJournal(int index, std::unique_ptr<BasJournal::JournalModel> model, const QString& caption,
               BasJournal::JournalSlots& journalSlots, QWidget* parent = nullptr);

    int index() const;
    const BasJournal::JournalModel& model() const;
    // The model of a window that shows a log file; none for a search result.
    BasJournal::LogModel* log() const;
    QTableView* grid() const;
    bool isEmptyNoticeShown() const;

    // The size of a new window (8295 x 4800 twips), widened when the columns need it.
    QSize initialSize() const;

    // While the window is printed it refuses to close.
    void holdOpen(bool held);
    bool isHeldOpen() const;

signals:
    // The user chose to save the result before the window closes.
    void saveRequested(FrmJournal* journal);
    // Right button released over the grid or the notice.
    void windowMenuRequested(const QPoint& globalPos);
    // The window has accepted to close; its index is free again.
    void closed(FrmJournal* journal);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void PrepareGrid();
    // The notice and the row numbers follow the records shown.
    void followRecords();
    // The row header as wide as the largest row number.
    void fitRowNumbers();

    int m_index;
    std::unique_ptr<BasJournal::JournalModel> m_model;
    BasJournal::JournalSlots& m_slots;
    QTableView* m_Grille;
    QLabel* m_txtVide;
    bool m_heldOpen = false;
};

} // namespace Journal
