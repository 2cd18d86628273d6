// The frame: opening logs into journal windows, the caption and toolbar
// that follow the active window, search results and their saving.
#include "gui/FrmPrincipale.h"

#include "BasOrvalis/LoadSettings.h"
#include "common/LogFile.h"
#include "core/LogModel.h"
#include "core/ResultModel.h"
#include "gui/FrmAttente.h"
#include "gui/FrmGestion.h"
#include "gui/FrmJournal.h"
#include "gui/FrmPropos.h"
#include "gui/FrmRecherche.h"
#include "gui/FrmStatistiques.h"
#include "gui/JournalIcons.h"
#include "gui/JournalMenus.h"
#include "gui/MdiArrangement.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSessionManager>
#include <QToolBar>

#include <algorithm>

namespace Journal {

using BasJournal::LogFolder;
using Command = JournalMenus::Command;

namespace {

const QString ProgramTitle = QStringLiteral("Journal");

} // namespace

const QString FrmPrincipale::Caption =
    QStringLiteral("Orvalis - Journal de suivi des communications téléphoniques");

FrmPrincipale::FrmPrincipale(const QString& logFolder, SettingsStore& store, QWidget* parent)
    : QMainWindow(parent)
    , m_folder(logFolder)
    , m_store(store)
    , m_recent(store)
    , m_mdiArea(new QMdiArea(this))
    , m_menus(new JournalMenus(m_mdiArea, this))
    , m_logDialogs(*this, m_folder)
    , m_printer(this)
    , m_export(m_printer, m_store, this) {
    setObjectName(QStringLiteral("FrmPrincipale"));
    setWindowIcon(JournalIcons::programIcon());
    setCentralWidget(m_mdiArea);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setContextMenuPolicy(Qt::CustomContextMenu);

    createToolBar();
    connectCommands();
    RefreshRecentMenus();
    updateFrameState();
    resize(1024, 700);
}

FrmPrincipale::~FrmPrincipale() {
    // The windows go after this frame's members: they must not call back.
    m_mdiArea->disconnect(this);
    for (const auto& [index, journal] : m_journals)
        journal->disconnect(this);
    delete m_gestion;
}

void FrmPrincipale::createToolBar() {
    QToolBar* toolBar = addToolBar(QStringLiteral("Toolbar"));
    toolBar->setObjectName(QStringLiteral("Toolbar"));
    // Its grip shows that it can be moved to another side of the window.
    toolBar->setMovable(true);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar->setIconSize(QSize(24, 24));
    m_menus->addToolBarButtons(toolBar);
}

void FrmPrincipale::connectCommands() {
    const auto on = [this](Command command, auto slot) {
        connect(m_menus->action(command), &QAction::triggered, this, slot);
    };
    on(Command::Open, [this] { m_logDialogs.OpenLogDialog(); });
    on(Command::Gerer, [this] { showGestion(); });
    on(Command::GererJournal, [this] { showGestion(); });
    on(Command::GererFrame, [this] { showGestionModally(); });
    on(Command::Save, [this] {
        if (FrmJournal* journal = currentJournal())
            m_logDialogs.SaveSearchResult(journal);
    });
    on(Command::Close, [this] {
        if (FrmJournal* journal = currentJournal())
            journal->close();
    });
    on(Command::Find, [this] { showSearch(); });
    on(Command::Statistics, [this] {
        if (FrmJournal* journal = currentJournal())
            showStatistics(journal);
    });
    on(Command::PeriodStatistics, [this] {
        FrmStatistiques::showPeriod(this, m_folder.folder(), BasOrvalis::LoadSettings(m_store));
    });
    on(Command::PrintConf, [this] { m_printer.showPrinterSetup(); });
    on(Command::Print, [this] {
        if (FrmJournal* journal = currentJournal())
            printJournal(journal);
    });
    on(Command::Export, [this] {
        if (FrmJournal* journal = currentJournal())
            m_export.exportJournal(journal);
    });
    on(Command::Quit, [this] { close(); });
    on(Command::TileHorizontal, [this] { MdiArrangement::tileHorizontally(*m_mdiArea); });
    on(Command::Cascade, [this] { cascade(); });
    on(Command::ArrangeIcons, [this] { MdiArrangement::arrangeIcons(*m_mdiArea); });
    on(Command::AboutFrame, [this] { showAbout(); });
    on(Command::AboutJournal, [this] { showAbout(); });

    connect(m_menus, &JournalMenus::recentFileChosen, this, &FrmPrincipale::openLog);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (manager.allowsInteraction()) {
            endSession();
            manager.release();
        }
    });
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &FrmPrincipale::updateFrameState);
    connect(m_mdiArea, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (m_slots.upperBound() != 0)
            popUpWindowMenu(m_mdiArea->mapToGlobal(pos));
    });
}

void FrmPrincipale::runCommand(BasJournal::StartCommand command, const QDate& today) {
    switch (command) {
    case BasJournal::StartCommand::CurrentMonth:
        showCurrentMonth(today);
        break;
    case BasJournal::StartCommand::FileManager:
        showGestion();
        break;
    case BasJournal::StartCommand::Unknown:
        break;
    }
}

void FrmPrincipale::showCurrentMonth(const QDate& today) {
    const bool shown = isVisible();
    showMaximized();
    raise();
    activateWindow();
    if (!shown)
        openCurrentMonth(today);
}

bool FrmPrincipale::openCurrentMonth(const QDate& today) {
    const QString name = LogFolder::currentMonthName(today);
    QString error;
    if (!m_folder.createIfMissing(name, &error)) {
        showError(QStringLiteral("Le fichier journal « %1 » ne peut pas être créé : %2")
                      .arg(name, error));
        return false;
    }
    m_slots.resetToFirst();
    return LoadLog(LogFolder::captionFor(name), 1);
}

bool FrmPrincipale::openLog(const QString& name) {
    if (refuseName(name))
        return false;
    if (ActivateIfOpen(name))
        return true;
    return LoadLog(name, m_slots.FindFreeSlot());
}

bool FrmPrincipale::ActivateIfOpen(const QString& name) {
    for (const auto& [index, journal] : m_journals) {
        if (LogFolder::captionShows(journal->windowTitle(), name)) {
            m_mdiArea->setActiveSubWindow(journal);
            journal->raise();
            return true;
        }
    }
    return false;
}

bool FrmPrincipale::LoadLog(const QString& name, int index) {
    QString error;
    auto model = std::make_unique<BasJournal::LogModel>();
    bool loaded = m_folder.createIfMissing(name, &error);
    if (loaded) {
        FrmAttente wait(this);
        wait.show();
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        loaded = model->load(
            m_folder.pathOf(name),
            [&wait](int percent) {
                wait.setProgress(percent);
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            },
            &error);
        QGuiApplication::restoreOverrideCursor();
    }
    if (!loaded) {
        m_slots.release(index);
        updateFrameState();
        showError(QStringLiteral("Le fichier journal « %1 » ne peut pas être ouvert : %2")
                      .arg(name, error));
        return false;
    }
    BasJournal::LogModel* log = model.get();
    FrmJournal* journal = addJournal(index, std::move(model), LogFolder::captionFor(name));
    connect(log, &BasJournal::LogModel::followFailed, journal, [this, journal](const QString& why) {
        showError(
            QStringLiteral("Les nouveaux appels du journal « %1 » ne peuvent pas être lus : %2")
                .arg(journal->windowTitle(), why));
    });
    log->follow();
    NoteRecentFile(name);
    return true;
}

FrmJournal* FrmPrincipale::addJournal(int index, std::unique_ptr<BasJournal::JournalModel> model,
                                      const QString& caption) {
    auto* journal = new FrmJournal(index, std::move(model), caption, m_slots);
    m_journals[index] = journal;
    connect(journal, &FrmJournal::saveRequested, this,
            [this](FrmJournal* unsaved) { m_logDialogs.SaveSearchResult(unsaved); });
    connect(journal, &FrmJournal::windowMenuRequested, this, &FrmPrincipale::popUpWindowMenu);
    connect(journal, &FrmJournal::closed, this, &FrmPrincipale::onJournalClosed);
    m_mdiArea->addSubWindow(journal);
    journal->show();
    m_mdiArea->setActiveSubWindow(journal);
    updateFrameState();
    return journal;
}

FrmJournal* FrmPrincipale::showSearchResult(BasJournal::JournalRows matches) {
    const int index = m_slots.FindFreeSlot();
    m_slots.setUnsaved(index, true);
    FrmJournal* journal =
        addJournal(index, std::make_unique<BasJournal::ResultModel>(std::move(matches)),
                   m_resultCaptions.nextCaption());
    RefreshRecentMenus();
    return journal;
}

bool FrmPrincipale::saveResultAs(FrmJournal* journal, const QString& name) {
    if (refuseName(name))
        return false;
    QString error;
    if (!LogFile::writeAll(m_folder.pathOf(name), journal->model().records(), &error)) {
        showError(QStringLiteral("La recherche n'a pas pu être enregistrée dans « %1 » : %2")
                      .arg(name, error));
        return false;
    }
    m_slots.setUnsaved(journal->index(), false);
    journal->setWindowTitle(LogFolder::captionFor(name));
    updateFrameState();
    NoteRecentFile(name);
    return true;
}

void FrmPrincipale::onJournalClosed(FrmJournal* journal) {
    m_journals.erase(journal->index());
    m_slots.release(journal->index());
    if (!m_slots.AnyJournalOpen())
        RefreshRecentMenus();
    updateFrameState();
}

FrmJournal* FrmPrincipale::currentJournal() const {
    auto* journal = qobject_cast<FrmJournal*>(m_mdiArea->currentSubWindow());
    if (!journal)
        return nullptr;
    const auto found = m_journals.find(journal->index());
    return found != m_journals.end() && found->second == journal ? journal : nullptr;
}

QList<FrmJournal*> FrmPrincipale::journals() const {
    QList<FrmJournal*> open;
    for (const auto& [index, journal] : m_journals)
        open.append(journal);
    return open;
}

const BasJournal::JournalSlots& FrmPrincipale::journalSlots() const {
    return m_slots;
}

JournalMenus* FrmPrincipale::menus() const {
    return m_menus;
}

FrmGestion* FrmPrincipale::showGestion() {
    if (!m_gestion)
        m_gestion = new FrmGestion(*this, m_folder);
    m_gestion->showNormal();
    m_gestion->raise();
    m_gestion->activateWindow();
    return m_gestion;
}

void FrmPrincipale::showGestionModally() {
    // A window's modality changes while it is hidden: a file manager shown
    // without blocking is hidden first.
    if (m_gestion)
        m_gestion->hide();
    else
        m_gestion = new FrmGestion(*this, m_folder);
    m_gestion->setWindowModality(Qt::ApplicationModal);
    FrmGestion* gestion = showGestion();
    // Closing the file manager deletes it, which ends the wait.
    QEventLoop wait;
    connect(gestion, &QObject::destroyed, &wait, &QEventLoop::quit);
    wait.exec();
}

FrmGestion* FrmPrincipale::gestion() const {
    return m_gestion;
}

void FrmPrincipale::openLogs(const QStringList& names) {
    if (!isVisible())
        show();
    for (const QString& name : names)
        openLog(name);
}

void FrmPrincipale::printLogs(const QStringList& names) {
    openLogs(names);
    for (const QString& name : names) {
        if (ActivateIfOpen(name))
            printJournal(currentJournal());
    }
}

bool FrmPrincipale::isLogHeldOpen(const QString& name) const {
    const QList<FrmJournal*> windows = windowsShowing(name);
    return std::any_of(windows.cbegin(), windows.cend(),
                       [](const FrmJournal* journal) { return journal->isHeldOpen(); });
}

void FrmPrincipale::logDeleted(const QString& name) {
    for (FrmJournal* journal : windowsShowing(name))
        journal->close();
    m_recent.forget(name);
    RefreshRecentMenus();
}

void FrmPrincipale::logRenamed(const QString& oldName, const QString& newName) {
    for (FrmJournal* journal : windowsShowing(oldName)) {
        journal->setWindowTitle(LogFolder::captionFor(newName));
        if (BasJournal::LogModel* log = journal->log())
            log->setPath(m_folder.pathOf(newName));
    }
    m_recent.rename(oldName, newName);
    RefreshRecentMenus();
    updateFrameState();
}

QList<FrmJournal*> FrmPrincipale::windowsShowing(const QString& name) const {
    QList<FrmJournal*> windows;
    for (const auto& [index, journal] : m_journals) {
        if (LogFolder::captionShows(journal->windowTitle(), name))
            windows.append(journal);
    }
    return windows;
}

void FrmPrincipale::printJournal(FrmJournal* journal) {
    m_printer.PrintJournal(journal);
}

void FrmPrincipale::setDocumentsFolder(const QString& folder) {
    m_printer.setDocumentsFolder(folder);
}

void FrmPrincipale::updateFrameState() {
    FrmJournal* journal = currentJournal();
    setWindowTitle(journal ? Caption + QStringLiteral(" - ") + journal->windowTitle() : Caption);
    m_menus->install(menuBar(), journal != nullptr);
    UpdateToolbarState(journal);
}

void FrmPrincipale::UpdateToolbarState(const FrmJournal* journal) {
    // Print and Find follow the active journal window, Save its unsaved result;
    // a disabled button shows its image of the same key followed by "1".
    const bool active = journal != nullptr;
    m_menus->action(Command::Save)->setEnabled(active && m_slots.isUnsaved(journal->index()));
    for (Command command :
         {Command::Close, Command::Print, Command::Find, Command::Statistics, Command::Export})
        m_menus->action(command)->setEnabled(active);
}

void FrmPrincipale::NoteRecentFile(const QString& name) {
    m_recent.NoteRecentFile(name);
    RefreshRecentMenus();
}

void FrmPrincipale::RefreshRecentMenus() {
    m_menus->setRecentFiles(m_recent.entries());
}

bool FrmPrincipale::refuseName(const QString& name) {
    if (LogFolder::isAcceptableName(name))
        return false;
    showError(LogFolder::refusalText(name));
    return true;
}

void FrmPrincipale::showError(const QString& text) {
    QMessageBox::warning(this, ProgramTitle, text);
}

void FrmPrincipale::showSearch() {
    FrmJournal* active = currentJournal();
    if (!active)
        return;
    QVector<const BasJournal::JournalModel*> all;
    for (const FrmJournal* journal : journals())
        all.append(&journal->model());
    FrmRecherche dialog(&active->model(), all, this);
    if (dialog.exec() == QDialog::Accepted)
        showSearchResult(dialog.matches());
}

void FrmPrincipale::showStatistics(FrmJournal* journal) {
    auto* window = journal->findChild<FrmStatistiques*>();
    if (!window) {
        const BasJournal::JournalModel& model = journal->model();
        window = new FrmStatistiques(journal->windowTitle(), model.rows(), m_folder.folder(),
                                     BasOrvalis::LoadSettings(m_store), journal);
        connect(&model, &BasJournal::JournalModel::recordsChanged, window,
                [window, &model] { window->followJournal(model.rows()); });
        window->show();
    }
    window->raise();
    window->activateWindow();
}

void FrmPrincipale::showAbout() {
    FrmPropos about(this);
    about.exec();
}

void FrmPrincipale::cascade() {
    m_mdiArea->cascadeSubWindows();
    for (FrmJournal* journal : journals()) {
        if (!journal->isMinimized())
            journal->resize(journal->initialSize());
    }
}

void FrmPrincipale::popUpWindowMenu(const QPoint& globalPos) {
    if (currentJournal())
        m_menus->windowMenu()->popup(globalPos);
}

void FrmPrincipale::endSession() {
    close();
}

void FrmPrincipale::closeEvent(QCloseEvent* event) {
    m_mdiArea->closeAllSubWindows();
    if (!m_journals.empty()) {
        event->ignore();
        return;
    }
    event->accept();
    // The file manager goes with the frame, and the program with them.
    if (m_gestion)
        m_gestion->close();
}

} // namespace Journal
