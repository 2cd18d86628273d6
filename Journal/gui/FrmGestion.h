// The file manager "Orvalis - Gestion des journaux": the logs of the log
// folder with their size, communications and date, ticked to be opened,
// printed or deleted, renamed in place, shown in four views, with the totals
// of the ticked logs (or of all) in the status bar. A top-level window of its
// own, not a journal window of the frame.
#pragma once

#include "core/LogFolder.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QSortFilterProxyModel;
namespace BasJournal {
class LogFilesModel;
}

namespace Journal {

class FileListViews;
class FrmPrincipale;

class FrmGestion final : public QMainWindow {
    Q_OBJECT

public:
    static const QString Caption;

    FrmGestion(FrmPrincipale& frame, const BasJournal::LogFolder& folder);

    FileListViews* lvGestion() const;
    const BasJournal::LogFilesModel& model() const;
    // The names on disk of the ticked logs, in the order of the list.
    QStringList tickedNames() const;

    void Open_Click();
    void Print_Click();
    void Kill_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createToolBar();
    void createStatusBar();
    void updateTotals();
    void lvGestion_ItemClick(const QModelIndex& index);
    void MnuFileRename_Click();

    FrmPrincipale& m_frame;
    BasJournal::LogFolder m_folder;
    BasJournal::LogFilesModel* m_model;
    QSortFilterProxyModel* m_sorted;
    FileListViews* m_lvGestion;
    // Open, Print and Kill.
    std::array<QAction*, 3> m_fileActions{};
    // "Total Fichiers", "Total Communications", the date.
    std::array<QLabel*, 3> m_stbStatus{};
    QMenu* m_MnuFile;
};

} // namespace Journal
