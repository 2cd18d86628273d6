// The frame of the log viewer: an MDI window holding the journal windows,
// with its toolbar, its menus (replaced by the journal windows' menus while
// one is active) and its caption, which names the active journal.
#pragma once

#include "core/CommandLine.h"
#include "core/JournalRows.h"
#include "core/JournalSlots.h"
#include "core/LogFolder.h"
#include "core/RecentFiles.h"
#include "core/ResultCaptions.h"
#include "gui/JournalExport.h"
#include "gui/JournalPrinter.h"
#include "gui/LogFileDialogs.h"

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <memory>

class QMdiArea;
class SettingsStore;
namespace BasJournal {
class JournalModel;
}

namespace Journal {

class FrmGestion;
class FrmJournal;
class JournalMenus;

class FrmPrincipale final : public QMainWindow {
    Q_OBJECT

public:
    static const QString Caption;

    FrmPrincipale(const QString& logFolder, SettingsStore& store, QWidget* parent = nullptr);
    ~FrmPrincipale() override;

    // What Journal does for its command line, when it starts or when a later
    // start hands it over: the current month's log, or the file manager.
    void runCommand(BasJournal::StartCommand command, const QDate& today);
    // Journal without argument: the frame shown maximised, as the calculator's
    // "Journaux" menu shows it, on the current month's log when it was not
    // shown yet; brought to the front when it was.
    void showCurrentMonth(const QDate& today);
    // Shows the current month's log in window 1, creating it empty, under the
    // calculator's name for it, when the month has none yet.
    bool openCurrentMonth(const QDate& today);
    // The end of the desktop session, where the session manager asks first:
    // the close question of every unsaved search result, as on "Quitter".
    void endSession();
    // Brings the log's window to the front, or loads the log into a new one.
    // Names that are not bare file names are refused with a message.
    bool openLog(const QString& name);
    // True when a journal window shows the log; that window is then activated.
    bool ActivateIfOpen(const QString& name);
    // Shows matches in a new result window that is not saved yet.
    FrmJournal* showSearchResult(BasJournal::JournalRows matches);
    // Writes the result window's rows as the log `name` of the log folder.
    bool saveResultAs(FrmJournal* journal, const QString& name);

    // The file manager, created when missing, shown and brought to the front.
    FrmGestion* showGestion();
    // The same, modally: returns once the file manager is closed.
    void showGestionModally();
    FrmGestion* gestion() const;
    // Logs of the file manager: opened, the frame shown first when it is not;
    // printed one after the other.
    void openLogs(const QStringList& names);
    void printLogs(const QStringList& names);
    // A journal window that shows the log is being printed and stays open.
    bool isLogHeldOpen(const QString& name) const;
    // The log is gone: its windows close and the recent-file list forgets it.
    void logDeleted(const QString& name);
    // The log was renamed: its windows and its recent-file entry take the new name.
    void logRenamed(const QString& oldName, const QString& newName);

    // Prints the rows the journal holds now (JournalPrinter).
    void printJournal(FrmJournal* journal);
    // Where journals are printed when the system has no printer.
    void setDocumentsFolder(const QString& folder);

    FrmJournal* currentJournal() const;
    // The open journal windows by increasing index.
    QList<FrmJournal*> journals() const;
    const BasJournal::JournalSlots& journalSlots() const;
    JournalMenus* menus() const;
    // A failure told in a message box titled with the program's name.
    void showError(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createToolBar();
    void connectCommands();
    bool LoadLog(const QString& name, int index);
    FrmJournal* addJournal(int index, std::unique_ptr<BasJournal::JournalModel> model,
                           const QString& caption);
    void onJournalClosed(FrmJournal* journal);
    // The caption, the menus and the toolbar for the active journal window.
    void updateFrameState();
    void UpdateToolbarState(const FrmJournal* journal);
    // The open journal windows showing the log.
    QList<FrmJournal*> windowsShowing(const QString& name) const;
    void NoteRecentFile(const QString& name);
    void RefreshRecentMenus();
    bool refuseName(const QString& name);

    void showSearch();
    // The statistics of the journal, in a window of its own that closes
    // with the journal's; brought to the front when it is open already.
    void showStatistics(FrmJournal* journal);
    void showAbout();
    void cascade();
    void popUpWindowMenu(const QPoint& globalPos);

    BasJournal::LogFolder m_folder;
    SettingsStore& m_store;
    BasJournal::RecentFiles m_recent;
    BasJournal::JournalSlots m_slots;
    BasJournal::ResultCaptions m_resultCaptions;
    std::map<int, FrmJournal*> m_journals;
    QMdiArea* m_mdiArea;
    JournalMenus* m_menus;
    QPointer<FrmGestion> m_gestion;
    LogFileDialogs m_logDialogs;
    JournalPrinter m_printer;
    JournalExport m_export;
};

} // namespace Journal
