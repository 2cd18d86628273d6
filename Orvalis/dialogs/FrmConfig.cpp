// The general configuration dialog: its four tabs and what their controls do.
#include "dialogs/FrmConfig.h"

#include "config/ConfigHost.h"
#include "config/RazLists.h"
#include "dialogs/ClickSelectsAll.h"
#include "dialogs/ConfigWidgets.h"
#include "dialogs/NumericKeyFilter.h"

#include "BasOrvalis/CommunicationLists.h"
#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/MoneyTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace BasOrvalis;
using namespace ConfigWidgets;

namespace Orvalis {

namespace {

constexpr int PictureSize = 48;

// A tab: its picture at the top left, its contents beside it.
QWidget* Tab(int picture, const QString& resource, QLayout* contents) {
    auto* tab = new QWidget;
    auto* layout = new QHBoxLayout(tab);
    layout->addWidget(Picture(resource, PictureSize, Indexed("ImgPicto", picture)), 0,
                      Qt::AlignTop);
    layout->addLayout(contents, 1);
    return tab;
}

} // namespace

FrmConfig* FrmConfig::Open(Settings& settings, SettingsStore& store, MessagePresenter& messages,
                           ConfigHost& host, QWidget* mainWindow) {
    if (host.EnCours())
        return nullptr;
    auto* dialog = new FrmConfig(settings, store, messages, host, mainWindow);
    dialog->show();
    return dialog;
}

FrmConfig::FrmConfig(Settings& settings, SettingsStore& store, MessagePresenter& messages,
                     ConfigHost& host, QWidget* mainWindow)
    : ConfigWindow(mainWindow, 103)
    , m_settings(settings)
    , m_messages(messages)
    , m_config(settings, store, messages, host)
    , m_SSTab(Tabs()) {
    setObjectName(QStringLiteral("FrmConfig"));
    m_SSTab->addTab(createTarification(), QStringLiteral("Paramètres Tarification"));
    m_SSTab->addTab(createNumeroDefaut(), QStringLiteral("Numéro par Défaut"));
    m_SSTab->addTab(createCoutTotal(), QStringLiteral("Gestion du Coût Total"));
    m_SSTab->addTab(createPersonnalisee(), QStringLiteral("Tarification Personnalisée"));
    connect(m_SSTab, &QTabWidget::currentChanged, this, &FrmConfig::SSTab_Click);

    m_CmdModifier =
        Button(QStringLiteral("Modifier"), QStringLiteral("Permet la modification des valeurs"),
               QStringLiteral("CmdModifier"));
    connect(m_CmdModifier, &QPushButton::clicked, this, &FrmConfig::CmdModifier_Click);
    connect(layOut(m_SSTab, QStringLiteral("CmdOk"), m_CmdModifier), &QPushButton::clicked, this,
            &FrmConfig::CmdOk_Click);

    auto* keys = new NumericKeyFilter(this);
    auto* clicks = new ClickSelectsAll(this);
    for (QLineEdit* box : m_TxtParamUT) {
        keys->watch(box);
        box->installEventFilter(clicks);
        box->installEventFilter(this);
    }
    for (QLineEdit* box : m_TxtTotal)
        keys->watch(box);
    m_TxtTotal[1]->installEventFilter(this);
    keys->watch(m_TxtBudget);
    m_TxtBudget->installEventFilter(this);
    for (QLineEdit* box : m_txtPerso) {
        keys->watch(box);
        box->installEventFilter(this);
    }

    Form_Load();
}

QWidget* FrmConfig::createTarification() {
    auto* grid = new QGridLayout;
    const QString dureeTip =
        QStringLiteral("Durée du crédit temps en fonction de la distance d'appel");
    const QString coutTip = QStringLiteral("Coût de la minute en fonction de la distance d'appel");
    m_TxtParamUT[0] =
        Box(QStringLiteral("Tarif de base du crédit temps"), Indexed("TxtParamUT", 0));
    grid->addWidget(Label(QStringLiteral("Tarif Crédit Temps"), Indexed("LblTextes", 0)), 0, 0);
    grid->addWidget(m_TxtParamUT[0], 0, 1);
    grid->addWidget(Label(QStringLiteral("Francs"), Indexed("LblTextes", 1)), 0, 2);
    grid->addWidget(Label(QStringLiteral(" Durée Crédit Temps"), Indexed("LblTextes", 2)), 1, 1);
    grid->addWidget(Label(QStringLiteral("Coût à la minute"), Indexed("LblTextes", 3)), 1, 2);
    const std::array<QString, BandCount> bands{
        QStringLiteral("Appel Local"), QStringLiteral("Appel jusqu'à 25 Kms"),
        QStringLiteral("Appel 30<d<52 Kms"), QStringLiteral("Appel 52<d<100 Kms"),
        QStringLiteral("Appel  National")};
    for (int band = 0; band < BandCount; ++band) {
        m_TxtParamUT[1 + band] = Box(dureeTip, Indexed("TxtParamUT", 1 + band));
        m_TxtParamUT[6 + band] = Box(coutTip, Indexed("TxtParamUT", 6 + band));
        grid->addWidget(Label(bands[band], Indexed("LblTextes", 4 + band)), 2 + band, 0);
        grid->addWidget(m_TxtParamUT[1 + band], 2 + band, 1);
        grid->addWidget(m_TxtParamUT[6 + band], 2 + band, 2);
    }
    auto* contents = new QVBoxLayout;
    contents->addLayout(grid);
    contents->addWidget(HelpText(
        QStringLiteral("Pour modifier une valeur cliquez sur le bouton \"Modifier\".             "
                       "Pour connaître les valeurs actuelles correspondantes, vous pouvez "
                       "consulter l'annuaire éléctonique ou bien contacter votre agence en "
                       "appelant le 1014."),
        QStringLiteral("LblAide(0)")));
    contents->addStretch();
    return Tab(0, QStringLiteral(":/config/tarification.svg"), contents);
}

QWidget* FrmConfig::createNumeroDefaut() {
    m_CboCommunication =
        List(QStringLiteral("Selection du Type de Communication actif au demarrage de Orvalis"),
             QStringLiteral("CboCommunication"));
    m_CboNumero = List(QStringLiteral("Selection du Numéro actif au demarrage de Orvalis"),
                       QStringLiteral("CboNumero"));
    m_LblTextes[9] = Label(QStringLiteral("Numéro"), Indexed("LblTextes", 9));
    connect(m_CboCommunication, &QComboBox::currentIndexChanged, this, &FrmConfig::FillNumbers);

    QGroupBox* frame = Frame(QStringLiteral("Type de Communication et numéro par défaut"),
                             Indexed("FraCadres", 1));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(Label(QStringLiteral("Type de Communication"), Indexed("LblTextes", 10)), 0, 0);
    grid->addWidget(m_CboCommunication, 0, 1);
    grid->addWidget(m_LblTextes[9], 1, 0);
    grid->addWidget(m_CboNumero, 1, 1);
    grid->setColumnStretch(1, 1);

    auto* contents = new QVBoxLayout;
    contents->addWidget(frame);
    contents->addWidget(HelpText(QStringLiteral("Sélectionnez le type de communication et le type "
                                                "de numéro qui sera actif au démarrage de Orvalis"),
                                 QStringLiteral("LblAide(1)")));
    contents->addStretch();
    return Tab(1, QStringLiteral(":/config/numero.svg"), contents);
}

QWidget* FrmConfig::createCoutTotal() {
    auto* contents = new QVBoxLayout;
    contents->addWidget(createModificationTotal());
    contents->addLayout(createRazAuto());
    contents->addWidget(createBudget());
    contents->addStretch();
    return Tab(2, QStringLiteral(":/config/total.svg"), contents);
}

QWidget* FrmConfig::createModificationTotal() {
    m_TxtTotal[0] = Box(QStringLiteral("Affichage du Coût Total actuel"), Indexed("TxtTotal", 0));
    m_TxtTotal[1] = Box(QStringLiteral("Zone de saisie du nouveau total"), Indexed("TxtTotal", 1));
    // The current total changes only through the new total or the reset.
    m_TxtTotal[0]->setReadOnly(true);
    m_LblTextes[301] = Label(QStringLiteral("Total Actuel"), Indexed("LblTextes", 301));
    m_LblTextes[302] = Label(QStringLiteral("Nouveau Total"), Indexed("LblTextes", 302));
    QPushButton* modifier = Button(QStringLiteral("Modifier le Coût Total"),
                                   QStringLiteral("Permet la modification du Cout Total"),
                                   QStringLiteral("CmdModifTotal"));
    QPushButton* raz =
        Button(QStringLiteral("Remise à Zéro du Total"),
               QStringLiteral("Remet le Coût Total à zéro"), QStringLiteral("CmdRAZTotal"));
    connect(modifier, &QPushButton::clicked, this, &FrmConfig::CmdModifTotal_Click);
    connect(raz, &QPushButton::clicked, this, &FrmConfig::CmdRAZTotal_Click);

    QGroupBox* total = Frame(QStringLiteral("Modification du Coût Total"), Indexed("FraCadres", 2));
    auto* totalGrid = new QGridLayout(total);
    totalGrid->addWidget(m_LblTextes[301], 0, 0);
    totalGrid->addWidget(m_TxtTotal[0], 0, 1);
    totalGrid->addWidget(modifier, 0, 2);
    totalGrid->addWidget(m_LblTextes[302], 1, 0);
    totalGrid->addWidget(m_TxtTotal[1], 1, 1);
    totalGrid->addWidget(raz, 1, 2);
    totalGrid->addWidget(
        HelpText(QStringLiteral("Pour remettre à zéro le Coût Total, cliquez sur \"Remise à  Zéro "
                                "du Total\". Pour modifier le Coût Total, cliquez sur le Bouton "
                                "\"Modifier le Coût Total\". "),
                 QStringLiteral("LblAide(2)")),
        2, 0, 1, 3);
    return total;
}

QLayout* FrmConfig::createRazAuto() {
    m_ChkRazAutoTotal =
        Check(QStringLiteral("Autoriser la remise à zéro automatique du Coût Total périodiquement"),
              QStringLiteral("Active/Desactive la remise à zéro automatique"),
              QStringLiteral("ChkRazAutoTotal"));
    m_CboPeriode = List(QStringLiteral("Selection de la période de remise à zéro automatique"),
                        QStringLiteral("CboPeriode"));
    m_CboDate = List(QStringLiteral("Selection de la date de remise à zéro automatique"),
                     QStringLiteral("CboDate"));
    m_LblTextes[303] = Label(QStringLiteral("Période"), Indexed("LblTextes", 303));
    m_LblTextes[304] = Label(QStringLiteral("Date"), Indexed("LblTextes", 304));
    connect(m_ChkRazAutoTotal, &QCheckBox::toggled, this, &FrmConfig::ChkRazAutoTotal_Click);
    connect(m_CboPeriode, &QComboBox::currentIndexChanged, this, &FrmConfig::CboPeriode_Click);

    auto* razGrid = new QGridLayout;
    razGrid->addWidget(m_ChkRazAutoTotal, 0, 0, 1, 4);
    razGrid->addWidget(m_LblTextes[303], 1, 0);
    razGrid->addWidget(m_CboPeriode, 1, 1);
    razGrid->addWidget(m_LblTextes[304], 1, 2);
    razGrid->addWidget(m_CboDate, 1, 3);
    razGrid->setColumnStretch(3, 1);
    return razGrid;
}

QWidget* FrmConfig::createBudget() {
    m_TxtBudget = Box(QStringLiteral("Budget mensuel de vos communications, en francs"),
                      QStringLiteral("TxtBudget"));
    QGroupBox* frame = Frame(QStringLiteral("Budget mensuel"), QStringLiteral("FraBudget"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(Label(QStringLiteral("Budget mensuel"), QStringLiteral("LblBudget")), 0, 0);
    grid->addWidget(m_TxtBudget, 0, 1);
    grid->addWidget(Label(QStringLiteral("Francs"), QStringLiteral("LblBudgetFrancs")), 0, 2);
    grid->addWidget(HelpText(QStringLiteral("Orvalis vous prévient quand vos communications du "
                                            "mois atteignent 80\u00a0%, puis 100\u00a0%, de ce "
                                            "budget. Laissez la zone vide pour n'en fixer aucun."),
                             QStringLiteral("LblAideBudget")),
                    1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return frame;
}

QWidget* FrmConfig::createPersonnalisee() {
    m_ChkPerso = Check(QStringLiteral("Activer la tarification personnalisée"), QString(),
                       QStringLiteral("ChkPerso"));
    m_chkReducPerso = Check(QStringLiteral("Appliquer les réductions horaires"), QString(),
                            QStringLiteral("chkReducPerso"));
    connect(m_ChkPerso, &QCheckBox::toggled, this, &FrmConfig::ChkPerso_Click);

    const std::array<std::pair<QString, QString>, 4> captions{{
        {QStringLiteral("Numéro d'appel :"), QStringLiteral("(ex : 01-45-45-45-45)")},
        {QStringLiteral("Durée du crédit temps :"), QStringLiteral("en secondes   (ex : 60)")},
        {QStringLiteral("Tarif du crédit temps :"), QStringLiteral("en francs   (ex : 0,50)")},
        {QStringLiteral("Cout à la minute :"), QStringLiteral("en  francs (ex : 0,50)")},
    }};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        m_txtPerso[i] = Box(QString(), Indexed("txtPerso", i + 1));
        QLabel* caption = Label(captions[i].first, Indexed("LblTextes", 400 + 2 * i));
        QLabel* hint = Label(captions[i].second, Indexed("LblTextes", 401 + 2 * i));
        m_LblTextes[400 + 2 * i] = caption;
        m_LblTextes[401 + 2 * i] = hint;
        grid->addWidget(caption, i, 0);
        grid->addWidget(m_txtPerso[i], i, 1);
        grid->addWidget(hint, i, 2);
    }
    m_LblTextes[408] =
        HelpText(QStringLiteral("Cette section vous permet de personnaliser un type de "
                                "tarification adaptée à vos besoins."),
                 Indexed("LblTextes", 408));

    auto* contents = new QVBoxLayout;
    contents->addWidget(m_ChkPerso);
    contents->addLayout(grid);
    contents->addWidget(m_chkReducPerso);
    contents->addWidget(m_LblTextes[408]);
    contents->addStretch();
    return Tab(3, QStringLiteral(":/config/perso.svg"), contents);
}

void FrmConfig::Form_Load() {
    const ConfigGeneraleValues initial = m_config.valeursInitiales();
    for (int i = 0; i < int(m_TxtParamUT.size()); ++i)
        m_TxtParamUT[i]->setText(initial.paramUT[i]);
    lockTariffs(true);

    FillCommunicationTypes();

    m_TxtTotal[0]->setText(initial.totalActuel);
    enableTotal(false);
    m_TxtBudget->setText(initial.budget);

    m_CboPeriode->addItems(RazLists::Periodes());
    if (initial.razAuto) {
        m_ChkRazAutoTotal->setChecked(true);
        m_CboPeriode->setCurrentIndex(std::max(0, m_CboPeriode->findText(initial.periode)));
        m_CboDate->setCurrentIndex(std::max(0, m_CboDate->findText(initial.date)));
    }
    ChkRazAutoTotal_Click();

    m_ChkPerso->setChecked(initial.perso);
    for (int i = 0; i < int(m_txtPerso.size()); ++i)
        m_txtPerso[i]->setText(initial.persoTextes[i]);
    m_chkReducPerso->setChecked(initial.reducPerso);
    ChkPerso_Click();
}

void FrmConfig::CmdModifier_Click() {
    lockTariffs(false);
    m_CmdModifier->setEnabled(false);
}

void FrmConfig::SSTab_Click(int onglet) {
    m_CmdModifier->setEnabled(onglet == ConfigGenerale::Tarification);
    lockTariffs(true);
}

void FrmConfig::lockTariffs(bool locked) {
    for (QLineEdit* box : m_TxtParamUT) {
        box->setReadOnly(locked);
        PaintBox(box, !locked);
    }
}

void FrmConfig::TxtParamUT_LostFocus(QLineEdit* box) {
    if (m_config.ControleTarif(box->text()))
        return;
    m_SSTab->setCurrentIndex(ConfigGenerale::Tarification);
    box->setText(m_texteAuFocus);
    box->setFocus();
}

void FrmConfig::FillCommunicationTypes() {
    m_types = CommunicationTypes(m_settings);
    m_CboCommunication->clear();
    for (const CommunicationType type : m_types)
        m_CboCommunication->addItem(TypeText(type));
    const bool offered = ValidateDefaultSelection(m_settings, m_messages);
    // The type first: choosing it fills the numbers.
    m_CboCommunication->setCurrentIndex(static_cast<int>(m_types.indexOf(m_settings.TypeDefaut)));
    if (offered)
        m_CboNumero->setCurrentText(m_settings.NumeroDefaut);
}

CommunicationType FrmConfig::typeChoisi() const {
    const int index = m_CboCommunication->currentIndex();
    return index < 0 ? CommunicationType::FaitesUneSelection : m_types.at(index);
}

void FrmConfig::FillNumbers() {
    const CommunicationType type = typeChoisi();
    m_CboNumero->clear();
    m_CboNumero->addItems(NumberEntries(type, m_settings));
    m_CboNumero->setEnabled(NumberListEnabled(type));
    m_LblTextes[9]->setText(NumberListCaption(type));
    m_CboNumero->setCurrentIndex(0);
}

void FrmConfig::enableLabels(int first, int last, bool enabled) {
    for (int index = first; index <= last; ++index)
        m_LblTextes.at(index)->setEnabled(enabled);
}

void FrmConfig::CmdModifTotal_Click() {
    enableTotal(true);
    m_TxtTotal[1]->setFocus();
}

void FrmConfig::enableTotal(bool enabled) {
    for (QLineEdit* box : m_TxtTotal)
        box->setEnabled(enabled);
    enableLabels(301, 302, enabled);
    PaintBox(m_TxtTotal[1], enabled);
}

void FrmConfig::TxtTotal_LostFocus() {
    QString totalActuel;
    switch (m_config.ControleNouveauTotal(m_TxtTotal[1]->text(), &totalActuel)) {
    case ConfigGenerale::Saisie::Vide:
        break;
    case ConfigGenerale::Saisie::Valide:
        enableTotal(false);
        m_TxtTotal[0]->setText(totalActuel);
        break;
    case ConfigGenerale::Saisie::Invalide:
        m_SSTab->setCurrentIndex(ConfigGenerale::CoutTotal);
        m_TxtTotal[1]->clear();
        m_TxtTotal[1]->setFocus();
        break;
    }
}

void FrmConfig::CmdRAZTotal_Click() {
    if (!m_config.CmdRAZTotal())
        return;
    m_TxtTotal[0]->setText(TotalDisplayText(m_settings.CoutTotal));
    m_TxtTotal[1]->clear();
}

void FrmConfig::TxtBudget_LostFocus() {
    if (m_config.ControleBudget(m_TxtBudget->text()))
        return;
    m_SSTab->setCurrentIndex(ConfigGenerale::CoutTotal);
    m_TxtBudget->clear();
    m_TxtBudget->setFocus();
}

void FrmConfig::ChkRazAutoTotal_Click() {
    const bool enabled = m_ChkRazAutoTotal->isChecked();
    m_CboPeriode->setEnabled(enabled);
    m_CboDate->setEnabled(enabled);
    enableLabels(303, 304, enabled);
}

void FrmConfig::CboPeriode_Click() {
    const QString periode = m_CboPeriode->currentText();
    m_CboDate->clear();
    m_CboDate->addItems(RazLists::Dates(periode));
    m_CboDate->setCurrentText(RazLists::DateSelectionnee(periode, m_settings));
}

void FrmConfig::ChkPerso_Click() {
    const bool enabled = m_ChkPerso->isChecked();
    for (QLineEdit* box : m_txtPerso)
        box->setEnabled(enabled);
    enableLabels(400, 408, enabled);
    m_chkReducPerso->setEnabled(enabled);
}

void FrmConfig::txtPerso_LostFocus() {
    std::array<QString, 4> textes;
    for (int i = 0; i < int(m_txtPerso.size()); ++i)
        textes[i] = m_txtPerso[i]->text();
    const std::optional<int> invalide = m_config.ControlePerso(textes);
    if (!invalide)
        return;
    m_SSTab->setCurrentIndex(ConfigGenerale::Personnalisee);
    m_txtPerso[*invalide]->clear();
    m_txtPerso[*invalide]->setFocus();
}

ConfigGeneraleValues FrmConfig::values() const {
    ConfigGeneraleValues values;
    for (int i = 0; i < int(m_TxtParamUT.size()); ++i)
        values.paramUT[i] = m_TxtParamUT[i]->text();
    values.typeCommunication = typeChoisi();
    values.numero = m_CboNumero->currentText();
    values.totalActuel = m_TxtTotal[0]->text();
    values.razAuto = m_ChkRazAutoTotal->isChecked();
    values.periode = m_CboPeriode->currentText();
    values.date = m_CboDate->currentText();
    values.budget = m_TxtBudget->text();
    values.perso = m_ChkPerso->isChecked();
    for (int i = 0; i < int(m_txtPerso.size()); ++i)
        values.persoTextes[i] = m_txtPerso[i]->text();
    values.reducPerso = m_chkReducPerso->isChecked();
    return values;
}

void FrmConfig::CmdOk_Click() {
    if (const auto onglet = m_config.CmdOk(values())) {
        m_SSTab->setCurrentIndex(*onglet);
        return;
    }
    close();
}

bool FrmConfig::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr)
        return ConfigWindow::eventFilter(watched, event);
    const bool tarif =
        std::find(m_TxtParamUT.begin(), m_TxtParamUT.end(), box) != m_TxtParamUT.end();
    if (event->type() == QEvent::FocusIn && tarif)
        m_texteAuFocus = box->text();
    if (FocusLostWithin(event)) {
        if (tarif)
            TxtParamUT_LostFocus(box);
        else if (box == m_TxtTotal[1])
            TxtTotal_LostFocus();
        else if (box == m_TxtBudget)
            TxtBudget_LostFocus();
        else if (box != m_txtPerso[0])
            txtPerso_LostFocus();
    }
    return ConfigWindow::eventFilter(watched, event);
}

} // namespace Orvalis
