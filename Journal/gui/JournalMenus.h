// The commands of the log viewer and its two sets of menus: the frame's,
// shown while no journal window is active, and the journal windows', which
// replace them while one is. Both end their File menu with the recent files.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QStringList>

#include <array>

class QAction;
class QMdiArea;
class QMenu;
class QMenuBar;
class QToolBar;

namespace Journal {

class JournalMenus final : public QObject {
    Q_OBJECT

public:
    enum class Command {
        Open,
        // The file manager: the frame's toolbar button shows it without
        // blocking, as the journal windows' menu item does; the frame's own
        // menu item shows it modally. Ctrl+G is the menu items', one set of
        // menus being on the bar at a time; the button has no shortcut.
        Gerer,
        GererFrame,
        GererJournal,
        Save,
        Close,
        Find,
        Statistics,
        PeriodStatistics,
        PrintConf,
        Print,
        Export,
        Quit,
        TileHorizontal,
        Cascade,
        ArrangeIcons,
        AboutFrame,
        AboutJournal,
        Count
    };

    JournalMenus(QMdiArea* area, QWidget* frame);

    QAction* action(Command command) const;
    // The frame's toolbar buttons in their order, with their separators;
    // each button is named after its key.
    void addToolBarButtons(QToolBar* toolBar) const;
    // The journal windows' menu "Fe&nêtre", also shown as their pop-up menu.
    QMenu* windowMenu() const;

    // Puts the journal windows' menus on the bar while one is active, the frame's otherwise.
    void install(QMenuBar* bar, bool journalActive) const;
    // The frame shows the names as stored, the journal windows in upper case;
    // no name hides the entries and their separator.
    void setRecentFiles(const QStringList& names);

signals:
    void recentFileChosen(const QString& name);

private:
    using RecentItems = std::array<QAction*, 6>; // item 0 is the separator

    QAction* createAction(Command command, const QString& name, const QString& text,
                          const QKeySequence& shortcut = {});
    void createFrameMenus(QWidget* frame);
    void createJournalMenus(QWidget* frame);
    RecentItems addRecentItems(QMenu* file);
    void fillWindowList();

    QMdiArea* m_area;
    std::array<QAction*, int(Command::Count)> m_actions{};
    std::array<QMenu*, 3> m_frameMenus{};
    std::array<QMenu*, 3> m_journalMenus{};
    RecentItems m_frameRecent{};
    RecentItems m_journalRecent{};
    QList<QAction*> m_windowEntries;
};

} // namespace Journal
