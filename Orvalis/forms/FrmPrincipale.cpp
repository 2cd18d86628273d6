// The main window: its controls, their wiring to the call in progress, the
// tick, the commands of the menus and of the remote control, the compact
// window and the end of the program.
#include "forms/FrmPrincipale.h"

#include "common/StringTable.h"
#include "dialogs/FrmConfig.h"
#include "dialogs/FrmConfigFt.h"
#include "forms/Afficheur.h"
#include "forms/DdeServer.h"
#include "forms/FrmHoraires.h"
#include "forms/FrmPropos.h"
#include "forms/FrmReduite.h"
#include "forms/MessageBoxPresenter.h"
#include "forms/PointerCursor.h"
#include "forms/ReductionPanelView.h"
#include "platform/AppFolders.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace Orvalis {

namespace {

constexpr int CaptionNumber = 102;

QLabel* makeHeading(int index, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("LblTextes_%1").arg(index));
    return label;
}

QComboBox* makeList(const char* name, const QString& tip, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setToolTip(tip);
    return list;
}

QPushButton* makeButton(const char* name, const QString& caption, const QString& tip,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setCursor(PointerCursor::hand());
    return button;
}

// Refills a list only when its entries changed, so that an open list keeps
// its place; the selection is set without raising the user's events.
void showList(QComboBox* list, const QStringList& entries, int current) {
    const QSignalBlocker blocker(list);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown.append(list->itemText(i));
    if (shown != entries) {
        list->clear();
        list->addItems(entries);
    }
    list->setCurrentIndex(current);
}

// The context with its message presenter: the one given, or the window's own.
MainWindowContext withMessages(MainWindowContext context, BasOrvalis::MessagePresenter* own) {
    if (!context.messages)
        context.messages = own;
    return context;
}

} // namespace

FrmPrincipale::FrmPrincipale(const MainWindowContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_ownMessages(context.messages ? nullptr
                                     : std::make_unique<MessageBoxPresenter>(this, m_gate))
    , m_context(withMessages(context, m_ownMessages.get()))
    , m_engine(context.settings, context.startDate, context.joursFeries, context.store,
               context.clock, *m_context.messages, context.log, this)
    , m_configHost(m_engine, context.clock)
    , m_launcher(context.desktop, AppFolders::programFolder())
    , m_dde(new DdeServer(*this, m_gate, this)) {
    setObjectName(QStringLiteral("FrmPrincipale"));
    setWindowTitle(StringTable::text(CaptionNumber));
    createControls();
    m_menus.setupUi(this);
    connectControls();
    connectMenus();
    m_Timer1.setObjectName(QStringLiteral("Timer1"));
    m_Timer1.setInterval(1000);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        // The event loop is over: a message shown now would wait for ever.
        // What the end cannot write waits in the data folder and is told at
        // the next start.
        if (m_ownMessages)
            m_ownMessages->setUnattended();
        Form_Unload();
    });
    refresh();
}

FrmPrincipale::~FrmPrincipale() {
    // The compact window reads this window's engine.
    delete m_reduite;
}

void FrmPrincipale::createControls() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    top->addLayout(createLists(central));
    auto* reductions = new QFrame(central);
    reductions->setFrameShape(QFrame::StyledPanel);
    auto* reductionsColumn = new QVBoxLayout(reductions);
    m_LblTextes[4] = makeHeading(4, QStringLiteral("Réductions Applicables"), reductions);
    m_LblTextes[4]->setAlignment(Qt::AlignCenter);
    m_panel = new ReductionPanelView(reductions);
    reductionsColumn->addWidget(m_LblTextes[4]);
    reductionsColumn->addWidget(m_panel);
    top->addWidget(reductions, 1);
    column->addLayout(top);

    m_PicAfficheur = new Afficheur(central);
    column->addWidget(m_PicAfficheur);
    column->addLayout(createButtons(central));

    for (std::size_t i = 0; i < m_PicAfficheur->LblTextes().size(); ++i)
        m_LblTextes[i] = m_PicAfficheur->LblTextes()[i];
    for (const int index : {5, 6, 7, 10})
        m_LblTextes[index] = m_panel->LblTextes(index);
    setCentralWidget(central);
}

QLayout* FrmPrincipale::createLists(QWidget* central) {
    auto* lists = new QGridLayout;
    m_LblTextes[3] = makeHeading(3, QStringLiteral("Type de Communication"), central);
    m_CboCommunication = makeList(
        "CboCommunication", QStringLiteral("Choix/Affichage du Type de Communication"), central);
    m_CboCommunication->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_LblTextes[9] = makeHeading(9, QStringLiteral("Numéro"), central);
    m_CboNumero = makeList("CboNumero", QStringLiteral("Choix/Affichage du Numéro"), central);
    m_CboNumero->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_LblTextes[11] = makeHeading(11, QStringLiteral("Tarif en F/min"), central);
    m_CboTarif =
        makeList("CboTarif", QStringLiteral("Choix/Affichage du tarif particulier"), central);
    lists->addWidget(m_LblTextes[3], 0, 0);
    lists->addWidget(m_CboCommunication, 1, 0, 1, 2);
    lists->addWidget(m_LblTextes[9], 2, 0);
    lists->addWidget(m_LblTextes[11], 2, 1, Qt::AlignRight);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(m_CboNumero);
    numbers->addStretch(1);
    numbers->addWidget(m_CboTarif);
    lists->addLayout(numbers, 3, 0, 1, 2);
    return lists;
}

QLayout* FrmPrincipale::createButtons(QWidget* central) {
    auto* buttons = new QHBoxLayout;
    m_CmdStart_Stop = makeButton("CmdStart_Stop", QStringLiteral("Start"), QString(), central);
    m_CmdStart_Stop->setCheckable(true);
    m_CmdReduit = makeButton("CmdReduit", QStringLiteral("Affich.réduit"),
                             QStringLiteral("Affiche la fenêtre réduite"), central);
    m_CmdQuitter = makeButton("CmdQuitter", QStringLiteral("Quitter"),
                              QStringLiteral("Ferme le programme"), central);
    buttons->addWidget(m_CmdStart_Stop);
    buttons->addStretch(1);
    buttons->addWidget(m_CmdReduit);
    buttons->addWidget(m_CmdQuitter);
    return buttons;
}

void FrmPrincipale::connectControls() {
    connect(&m_engine, &CallEngine::changed, this, &FrmPrincipale::refresh);
    connect(&m_engine, &CallEngine::budgetWarning, m_dde, &DdeServer::sendBudgetWarning);
    connect(&m_Timer1, &QTimer::timeout, this, &FrmPrincipale::Timer1_Timer);
    connect(m_CmdStart_Stop, &QPushButton::clicked, this, &FrmPrincipale::CmdStart_Stop_Click);
    connect(m_CmdReduit, &QPushButton::clicked, this, &FrmPrincipale::CmdReduit_Click);
    connect(m_CmdQuitter, &QPushButton::clicked, this, &QWidget::close);
    connect(m_CboCommunication, &QComboBox::activated, this, [this](int index) {
        m_engine.CboCommunication_Click(m_engine.selection().types().at(index));
        refresh();
    });
    connect(m_CboNumero, &QComboBox::activated, this, [this](int index) {
        m_engine.CboNumero_Click(index);
        refresh();
    });
    connect(m_CboTarif, &QComboBox::activated, this, [this](int index) {
        m_engine.CboTarif_Click(index);
        refresh();
    });
}

void FrmPrincipale::connectMenus() {
    connect(m_menus.MnuCommandesStart, &QAction::triggered, this, [this] {
        m_engine.MnuCommandesStart_Click();
        refresh();
    });
    connect(m_menus.MnuCommandesStop, &QAction::triggered, this, [this] {
        m_engine.MnuCommandesStop_Click();
        refresh();
    });
    connect(m_menus.MnuCommandesReduit, &QAction::triggered, this, &FrmPrincipale::CmdReduit_Click);
    connect(m_menus.MnuCommandesQuitter, &QAction::triggered, this, &QWidget::close);
    connect(m_menus.MnuOpenJournal, &QAction::triggered, this, [this] {
        if (!m_launcher.MnuOpenJournal_Click())
            QApplication::beep();
    });
    connect(m_menus.MnuOpenGestion, &QAction::triggered, this, [this] {
        if (!m_launcher.MnuOpenGestion_Click())
            QApplication::beep();
    });
    connect(m_menus.MnuConfigGenerale, &QAction::triggered, this,
            &FrmPrincipale::MnuConfigGenerale_Click);
    connect(m_menus.MnuConfigFT, &QAction::triggered, this, &FrmPrincipale::MnuConfigFT_Click);
    connect(m_menus.MnuAideReduction, &QAction::triggered, this,
            &FrmPrincipale::MnuAideReduction_Click);
    connect(m_menus.MnuAidePropos, &QAction::triggered, this, &FrmPrincipale::MnuAidePropos_Click);
}

const std::array<QLabel*, 3>& FrmPrincipale::LblReduction() const {
    return m_panel->LblReduction();
}

void FrmPrincipale::Form_Load() {
    show();
    m_engine.Form_Load();
    m_Timer1.start();
}

void FrmPrincipale::Timer1_Timer() {
    // A tick that falls while a message waits for its answer is dropped: the
    // next one prices the call from its start time, so nothing is lost.
    if (m_gate.busy())
        return;
    {
        const BusyGate::Scope busy(m_gate);
        m_engine.Timer1_Timer();
    }
    // Only a running call puts its cost and duration in the task bar.
    if (isMinimized() && m_engine.EnCours())
        setWindowTitle(m_engine.minimisedCaption());
}

void FrmPrincipale::CmdStart_Stop_Click() {
    m_engine.CmdStart_Stop_Click();
    refresh();
}

void FrmPrincipale::refresh() {
    const CallSelection& selection = m_engine.selection();
    QStringList types;
    for (const BasOrvalis::CommunicationType type : selection.types())
        types << BasOrvalis::TypeText(type);
    showList(m_CboCommunication, types,
             static_cast<int>(selection.types().indexOf(selection.type())));
    showList(m_CboNumero, selection.numbers(), selection.numberIndex());
    showList(m_CboTarif, selection.rates(), selection.rateIndex());
    m_LblTextes[9]->setText(selection.numberCaption());
    const bool kiosque = selection.ratesVisible();
    // The lists are never narrower than their longest entry, in whatever
    // font the desktop gives them.
    m_CboCommunication->setFixedWidth(
        qMax(WideNumeroWidth, m_CboCommunication->sizeHint().width()));
    const int needed = m_CboNumero->sizeHint().width();
    m_CboNumero->setFixedWidth(qMax(kiosque ? NarrowNumeroWidth : WideNumeroWidth, needed));
    m_CboTarif->setVisible(kiosque);
    m_LblTextes[11]->setVisible(kiosque);

    const CommandStates commands = m_engine.commands();
    m_menus.MnuConfigGenerale->setEnabled(commands.idleCommands);
    m_menus.MnuConfigFT->setEnabled(commands.idleCommands);
    m_menus.MnuCommandesStart->setEnabled(commands.idleCommands);
    m_menus.MnuCommandesStop->setEnabled(commands.stopCommand);
    m_CboCommunication->setEnabled(commands.idleCommands);
    m_CboNumero->setEnabled(commands.idleCommands && selection.numbersEnabled());
    m_CboTarif->setEnabled(commands.idleCommands);

    m_CmdStart_Stop->setText(m_engine.buttonCaption());
    m_CmdStart_Stop->setChecked(m_engine.buttonPressed());
    m_panel->display(m_engine.panel());
    m_PicAfficheur->display(m_engine.coutText(), m_engine.dureeText(), m_engine.totalText());
}

QString FrmPrincipale::ddeText() const {
    return m_engine.ddeText();
}

bool FrmPrincipale::runDdeCommand(RemoteControl::Command command) {
    using RemoteControl::Command;
    // A configuration dialog is only open while no call is in progress, and
    // it hides this window: a remote start or compact window would break both.
    if (m_configWindow && m_configWindow->isVisible() &&
        (command == Command::Start || command == Command::ShowCompact))
        return false;
    switch (command) {
    case Command::Start:
    case Command::Stop:
        m_engine.Form_LinkExecute(command);
        break;
    case Command::ShowCompact:
        CmdReduit_Click();
        break;
    case Command::HideCompact:
        closeReduite();
        break;
    }
    refresh();
    return true;
}

void FrmPrincipale::MnuConfigGenerale_Click() {
    m_configWindow = FrmConfig::Open(m_context.settings, m_context.store, *m_context.messages,
                                     m_configHost, this);
}

void FrmPrincipale::MnuConfigFT_Click() {
    OpenServicesDialog(0);
}

void FrmPrincipale::OpenServicesDialog(int page) {
    m_configWindow = FrmConfigFt::Open(m_context.settings, m_context.store, *m_context.messages,
                                       m_configHost, this, page);
}

void FrmPrincipale::MnuAideReduction_Click() {
    FrmHoraires horaires(this);
    horaires.exec();
}

void FrmPrincipale::MnuAidePropos_Click() {
    FrmPropos propos(MailOrWeb::desktopOpener(), this);
    propos.exec();
}

void FrmPrincipale::CmdReduit_Click() {
    if (m_reduite)
        return;
    m_reduite = new FrmReduite(m_context.store, [this] {
        return std::array<QString, 3>{m_engine.coutText(), m_engine.dureeText(),
                                      m_engine.totalText()};
    });
    connect(m_reduite, &FrmReduite::closed, this, &QWidget::show);
    m_reduite->show();
    hide();
}

void FrmPrincipale::closeReduite() {
    if (m_reduite)
        m_reduite->close();
}

void FrmPrincipale::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void FrmPrincipale::Form_Unload() {
    // The end of the program runs once, whatever asks for it: the window
    // closed, or the program told to quit while this window is hidden
    // behind the compact one.
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_Timer1.stop();
    if (m_reduite) {
        disconnect(m_reduite, &FrmReduite::closed, this, &QWidget::show);
        m_reduite->close();
    }
    m_engine.Form_Unload();
}

void FrmPrincipale::changeEvent(QEvent* event) {
    // Restored from the task bar: the title comes back in place of the
    // running cost and duration.
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        setWindowTitle(StringTable::text(CaptionNumber));
    QMainWindow::changeEvent(event);
}

} // namespace Orvalis
