// The file manager: the list, its toolbar, its totals and what is done to
// the ticked logs.
#include "gui/FrmGestion.h"

#include "core/LogFilesModel.h"
#include "gui/FileListViews.h"
#include "gui/FrmPrincipale.h"
#include "gui/JournalIcons.h"
#include "platform/LocaleFormats.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QToolBar>

namespace Journal {

using BasJournal::LogFilesModel;
using View = FileListViews::View;

namespace {

// The sorted list, each log with the log icon.
class SortedLogFiles final : public QSortFilterProxyModel {
public:
    explicit SortedLogFiles(QObject* parent)
        : QSortFilterProxyModel(parent)
        , m_icon(JournalIcons::toolbarIcon(QStringLiteral("Log"))) {
        setSortRole(LogFilesModel::SortRole);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DecorationRole && index.column() == 0)
            return m_icon;
        return QSortFilterProxyModel::data(index, role);
    }

private:
    QIcon m_icon;
};

const QString RenameErrorTitle = QStringLiteral("Erreur en renommant le fichier");

} // namespace

const QString FrmGestion::Caption = QStringLiteral("Orvalis - Gestion des journaux");

FrmGestion::FrmGestion(FrmPrincipale& frame, const BasJournal::LogFolder& folder)
    : m_frame(frame)
    , m_folder(folder)
    , m_model(new LogFilesModel(folder, this))
    , m_sorted(new SortedLogFiles(this))
    , m_lvGestion(new FileListViews(m_sorted, this))
    , m_MnuFile(new QMenu(QStringLiteral("Fichiers"), this)) {
    setObjectName(QStringLiteral("FrmGestion"));
    setWindowTitle(Caption);
    setWindowIcon(JournalIcons::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    m_sorted->setSourceModel(m_model);
    m_lvGestion->setObjectName(QStringLiteral("lvGestion"));
    setCentralWidget(m_lvGestion);

    createToolBar();
    createStatusBar();
    m_MnuFile->setObjectName(QStringLiteral("MnuFile"));
    QAction* rename = m_MnuFile->addAction(QStringLiteral("&Renommer le journal"), this,
                                           &FrmGestion::MnuFileRename_Click);
    rename->setObjectName(QStringLiteral("MnuFileRename"));

    connect(m_model, &LogFilesModel::ticksChanged, this, &FrmGestion::updateTotals);
    connect(m_model, &LogFilesModel::renamed, &m_frame, &FrmPrincipale::logRenamed);
    // Said once the editor has closed, not from inside it.
    connect(
        m_model, &LogFilesModel::renameRefused, this,
        [this](const QString& reason) { QMessageBox::critical(this, RenameErrorTitle, reason); },
        Qt::QueuedConnection);
    connect(m_lvGestion, &FileListViews::itemClicked, this, &FrmGestion::lvGestion_ItemClick);
    connect(m_lvGestion, &FileListViews::contextMenuRequested, this, [this](const QPoint& pos) {
        m_MnuFile->actions().constFirst()->setEnabled(m_lvGestion->selectedItem().isValid());
        m_MnuFile->popup(pos);
    });

    m_model->load();
    resize(640, 420);
}

FileListViews* FrmGestion::lvGestion() const {
    return m_lvGestion;
}

const BasJournal::LogFilesModel& FrmGestion::model() const {
    return *m_model;
}

QStringList FrmGestion::tickedNames() const {
    QStringList names;
    for (int row = 0; row < m_sorted->rowCount(); ++row) {
        const int source = m_sorted->mapToSource(m_sorted->index(row, 0)).row();
        if (m_model->isTicked(source))
            names.append(m_model->fileName(source));
    }
    return names;
}

void FrmGestion::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    // Without the frame on screen the program ends with this window.
    if (m_frame.isVisible()) {
        m_frame.raise();
        m_frame.activateWindow();
    }
}

void FrmGestion::createToolBar() {
    QToolBar* toolBar = addToolBar(QStringLiteral("Toolbar"));
    toolBar->setObjectName(QStringLiteral("picToolBar"));
    // Its grip shows that it can be moved to another side of the window.
    toolBar->setMovable(true);
    toolBar->setIconSize(QSize(24, 24));

    const auto add = [this, toolBar](const char* key, const QString& tip) {
        QAction* action = toolBar->addAction(JournalIcons::toolbarIcon(QLatin1String(key)), tip);
        action->setToolTip(tip);
        toolBar->widgetForAction(action)->setObjectName(QLatin1String(key));
        return action;
    };
    m_fileActions = {add("Open", QStringLiteral("Ouvrir le fichier")),
                     add("Print", QStringLiteral("Impression du fichier")),
                     add("Kill", QStringLiteral("Supprimer le fichier"))};
    connect(m_fileActions[0], &QAction::triggered, this, &FrmGestion::Open_Click);
    connect(m_fileActions[1], &QAction::triggered, this, &FrmGestion::Print_Click);
    connect(m_fileActions[2], &QAction::triggered, this, &FrmGestion::Kill_Click);
    toolBar->addSeparator();

    auto* views = new QActionGroup(this);
    const struct {
        const char* key;
        QString tip;
        View view;
    } buttons[] = {
        {"BigIcon", QStringLiteral("Affichage mode Grandes Icônes"), View::BigIcon},
        {"SmallIcon", QStringLiteral("Affichage mode Petites Icônes\t"), View::SmallIcon},
        {"Liste", QStringLiteral("Affichage mode Liste"), View::Liste},
        {"Detail", QStringLiteral("Affichage détaillé"), View::Detail}};
    for (const auto& button : buttons) {
        QAction* action = add(button.key, button.tip);
        action->setCheckable(true);
        action->setChecked(button.view == m_lvGestion->view());
        views->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, view = button.view] { m_lvGestion->setView(view); });
    }
}

void FrmGestion::createStatusBar() {
    const QString tips[] = {QStringLiteral("Nombres de fichiers journaux"),
                            QStringLiteral("Nombre de communications"), QString()};
    for (int i = 0; i < 3; ++i) {
        m_stbStatus[i] = new QLabel(this);
        m_stbStatus[i]->setObjectName(QStringLiteral("stbStatus%1").arg(i + 1));
        m_stbStatus[i]->setToolTip(tips[i]);
        statusBar()->addWidget(m_stbStatus[i], i == 2 ? 0 : 1);
    }
    statusBar()->setObjectName(QStringLiteral("stbStatus"));
    m_stbStatus[2]->setText(LocaleFormats::shortDate(QDate::currentDate()));
}

void FrmGestion::updateTotals() {
    const BasJournal::LogFileTotals totals = m_model->totals();
    m_stbStatus[0]->setText(QStringLiteral("Total Fichiers : %1").arg(totals.files));
    m_stbStatus[1]->setText(QStringLiteral("Total Communications : %1").arg(totals.communications));
    const bool ticked = m_model->anyTicked();
    for (QAction* action : m_fileActions)
        action->setEnabled(ticked);
}

void FrmGestion::lvGestion_ItemClick(const QModelIndex& index) {
    const int row = m_sorted->mapToSource(index).row();
    m_model->setTicked(row, !m_model->isTicked(row));
    m_lvGestion->currentView()->clearSelection();
}

void FrmGestion::MnuFileRename_Click() {
    m_lvGestion->editSelected();
}

void FrmGestion::Open_Click() {
    m_frame.openLogs(tickedNames());
}

void FrmGestion::Print_Click() {
    m_frame.printLogs(tickedNames());
}

void FrmGestion::Kill_Click() {
    const QStringList names = tickedNames();
    const bool one = names.size() < 2;
    const auto answer = QMessageBox::question(
        this,
        one ? QStringLiteral("Suppression du Journal") : QStringLiteral("Suppression des Journaux"),
        one ? QStringLiteral("Êtes-vous sûr de vouloir supprimer le fichier séléctionné ?")
            : QStringLiteral("Êtes-vous sûr de vouloir supprimer les fichiers séléctionnés ?"),
        QMessageBox::Yes | QMessageBox::No);
    QStringList failures;
    if (answer == QMessageBox::Yes) {
        for (auto name = names.crbegin(); name != names.crend(); ++name) {
            QString error;
            if (m_frame.isLogHeldOpen(*name))
                failures.append(QStringLiteral("Le journal « %1 » est en cours d'impression.")
                                    .arg(name->toLower()));
            else if (m_folder.removeLog(*name, &error))
                m_frame.logDeleted(*name);
            else
                failures.append(error);
        }
    }
    m_model->load();
    if (!failures.isEmpty())
        QMessageBox::warning(this, windowTitle(), failures.join(QLatin1Char('\n')));
}

} // namespace Journal
