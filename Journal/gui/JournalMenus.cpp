// Commands, menus and recent-file entries of the log viewer.
#include "gui/JournalMenus.h"

#include "gui/JournalIcons.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace Journal {

namespace {

QString menuText(QString name) {
    return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QMenu* createMenu(const QString& title, const QString& name, QWidget* frame) {
    auto* menu = new QMenu(title, frame);
    menu->setObjectName(name);
    return menu;
}

} // namespace

JournalMenus::JournalMenus(QMdiArea* area, QWidget* frame)
    : QObject(frame)
    , m_area(area) {
    createAction(Command::Open, QStringLiteral("MnuFileOpen"), QStringLiteral("&Ouvrir..."),
                 QKeySequence(Qt::CTRL | Qt::Key_O));
    createAction(Command::Gerer, QStringLiteral("Gerer"), QStringLiteral("&Gérer les journaux"));
    for (Command gerer : {Command::GererFrame, Command::GererJournal})
        createAction(gerer, QStringLiteral("MnuFileGerer"), QStringLiteral("&Gérer les journaux"),
                     QKeySequence(Qt::CTRL | Qt::Key_G));
    createAction(Command::Save, QStringLiteral("MnuFileSave"), QStringLiteral("&Enregistrer"),
                 QKeySequence(Qt::CTRL | Qt::Key_S));
    createAction(Command::Close, QStringLiteral("MnuFileClose"), QStringLiteral("&Fermer"));
    createAction(Command::Find, QStringLiteral("MnuFileFind"), QStringLiteral("&Rechercher"),
                 QKeySequence(Qt::CTRL | Qt::Key_F));
    createAction(Command::Statistics, QStringLiteral("MnuFileStats"),
                 QStringLiteral("&Statistiques..."));
    createAction(Command::PeriodStatistics, QStringLiteral("MnuFileStatsPeriode"),
                 QStringLiteral("Statistiques par &période..."));
    createAction(Command::PrintConf, QStringLiteral("MnuFilePrintConf"),
                 QStringLiteral("&Configuration de l'impression"));
    createAction(Command::Print, QStringLiteral("MnuFilePrint"), QStringLiteral("&Imprimer..."),
                 QKeySequence(Qt::CTRL | Qt::Key_P));
    createAction(Command::Export, QStringLiteral("MnuFileExport"), QStringLiteral("E&xporter..."));
    createAction(Command::Quit, QStringLiteral("MnuFileEnd"), QStringLiteral("&Quitter"),
                 QKeySequence(Qt::CTRL | Qt::Key_Q));
    createAction(Command::TileHorizontal, QStringLiteral("MnuWindowHor"),
                 QStringLiteral("Mosaïque &horizontale"));
    createAction(Command::Cascade, QStringLiteral("MnuWindowCasc"), QStringLiteral("En &cascade"));
    createAction(Command::ArrangeIcons, QStringLiteral("MnuWindowIcon"),
                 QStringLiteral("&Réorganiser les icônes"));
    createAction(Command::AboutFrame, QStringLiteral("MnuPropos"),
                 QStringLiteral("À &propos du Journal"));
    createAction(Command::AboutJournal, QStringLiteral("MnuHelpPropos"),
                 QStringLiteral("A propos du Journal..."));

    // Toolbar texts, tips and images of the commands that have a button.
    const struct {
        Command command;
        const char* key;
        QString text;
        QString tip;
    } buttons[] = {
        {Command::Open, "Open", QStringLiteral("Ouvrir"), QStringLiteral("Ouvrir")},
        {Command::Save, "Save", QStringLiteral("Enregistrer"), QStringLiteral("Enregistrer")},
        {Command::Gerer, "Gerer", QStringLiteral("Gérer"), QStringLiteral("Gestion des journaux")},
        {Command::Print, "Print", QStringLiteral("Imprimer"), QStringLiteral("Imprimer")},
        {Command::Find, "Find", QStringLiteral("Rechercher"), QStringLiteral("Rechercher")},
        {Command::Statistics, "Stats", QStringLiteral("Statistiques"),
         QStringLiteral("Statistiques")}};
    for (const auto& button : buttons) {
        QAction* a = action(button.command);
        a->setIconText(button.text);
        a->setToolTip(button.tip);
        a->setIcon(JournalIcons::toolbarIcon(QLatin1String(button.key)));
        a->setProperty("key", QLatin1String(button.key));
    }

    createFrameMenus(frame);
    createJournalMenus(frame);
}

QAction* JournalMenus::action(Command command) const {
    return m_actions[std::size_t(command)];
}

void JournalMenus::addToolBarButtons(QToolBar* toolBar) const {
    const Command buttons[] = {Command::Open,  Command::Count,     Command::Save,  Command::Gerer,
                               Command::Count, Command::Print,     Command::Count, Command::Find,
                               Command::Count, Command::Statistics};
    for (Command command : buttons) {
        if (command == Command::Count) {
            toolBar->addSeparator();
            continue;
        }
        QAction* button = action(command);
        toolBar->addAction(button);
        toolBar->widgetForAction(button)->setObjectName(button->property("key").toString());
    }
}

QMenu* JournalMenus::windowMenu() const {
    return m_journalMenus[1];
}

void JournalMenus::install(QMenuBar* bar, bool journalActive) const {
    const auto& menus = journalActive ? m_journalMenus : m_frameMenus;
    if (bar->actions().value(0) == menus[0]->menuAction())
        return;
    bar->clear();
    for (QMenu* menu : menus)
        bar->addMenu(menu);
}

void JournalMenus::setRecentFiles(const QStringList& names) {
    for (RecentItems* items : {&m_frameRecent, &m_journalRecent}) {
        const bool upper = items == &m_journalRecent;
        (*items)[0]->setVisible(!names.isEmpty());
        for (int k = 1; k < int(items->size()); ++k) {
            QAction* item = (*items)[std::size_t(k)];
            const bool shown = k <= names.size();
            item->setVisible(shown);
            if (!shown)
                continue;
            const QString name = upper ? names[k - 1].toUpper() : names[k - 1];
            item->setText(menuText(name));
            item->setData(name);
        }
    }
}

QAction* JournalMenus::createAction(Command command, const QString& name, const QString& text,
                                    const QKeySequence& shortcut) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    a->setShortcut(shortcut);
    m_actions[std::size_t(command)] = a;
    return a;
}

void JournalMenus::createFrameMenus(QWidget* frame) {
    auto* file = createMenu(QStringLiteral("&Fichier"), QStringLiteral("MnuFile"), frame);
    file->addAction(action(Command::Open));
    file->addAction(action(Command::GererFrame));
    file->addSeparator();
    file->addAction(action(Command::PeriodStatistics));
    file->addSeparator();
    file->addAction(action(Command::Quit));
    m_frameRecent = addRecentItems(file);

    auto* window = createMenu(QStringLiteral("Fe&nêtre"), QStringLiteral("mnuWindow"), frame);
    window->setEnabled(false);

    auto* help = createMenu(QStringLiteral("?"), QStringLiteral("MnuAide"), frame);
    help->addAction(action(Command::AboutFrame));
    m_frameMenus = {file, window, help};
}

void JournalMenus::createJournalMenus(QWidget* frame) {
    auto* file = createMenu(QStringLiteral("&Fichier"), QStringLiteral("MnuFile"), frame);
    for (Command command : {Command::Open, Command::GererJournal, Command::Save, Command::Close})
        file->addAction(action(command));
    file->addSeparator();
    file->addAction(action(Command::Find));
    file->addAction(action(Command::Statistics));
    file->addAction(action(Command::PeriodStatistics));
    file->addSeparator();
    file->addAction(action(Command::PrintConf));
    file->addAction(action(Command::Print));
    file->addAction(action(Command::Export));
    file->addSeparator();
    file->addAction(action(Command::Quit));
    m_journalRecent = addRecentItems(file);

    auto* window = createMenu(QStringLiteral("Fe&nêtre"), QStringLiteral("mnuWindow"), frame);
    for (Command command : {Command::TileHorizontal, Command::Cascade, Command::ArrangeIcons})
        window->addAction(action(command));
    connect(window, &QMenu::aboutToShow, this, &JournalMenus::fillWindowList);

    auto* help = createMenu(QStringLiteral("?"), QStringLiteral("MnuHelp"), frame);
    help->addAction(action(Command::AboutJournal));
    m_journalMenus = {file, window, help};
}

JournalMenus::RecentItems JournalMenus::addRecentItems(QMenu* file) {
    RecentItems items{};
    items[0] = file->addSeparator();
    items[0]->setObjectName(QStringLiteral("mnuRecentFile0"));
    for (int k = 1; k < int(items.size()); ++k) {
        QAction* item = file->addAction(QString());
        item->setObjectName(QStringLiteral("mnuRecentFile%1").arg(k));
        connect(item, &QAction::triggered, this,
                [this, item] { emit recentFileChosen(item->data().toString()); });
        items[std::size_t(k)] = item;
    }
    for (QAction* item : items)
        item->setVisible(false);
    return items;
}

void JournalMenus::fillWindowList() {
    qDeleteAll(m_windowEntries);
    m_windowEntries.clear();
    QMenu* menu = windowMenu();
    const QList<QMdiSubWindow*> windows = m_area->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowEntries.append(menu->addSeparator());
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* entry = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(menuText(window->windowTitle())));
        entry->setCheckable(true);
        entry->setChecked(window == m_area->currentSubWindow());
        connect(entry, &QAction::triggered, m_area,
                [this, window] { m_area->setActiveSubWindow(window); });
        m_windowEntries.append(entry);
    }
}

} // namespace Journal
