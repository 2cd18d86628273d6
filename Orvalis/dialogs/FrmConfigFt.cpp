// The France Télécom services dialog: its five tabs and what their controls
// do.
#include "dialogs/FrmConfigFt.h"

#include "config/ConfigHost.h"
#include "dialogs/ClickSelectsAll.h"
#include "dialogs/ConfigWidgets.h"
#include "dialogs/NumericKeyFilter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace BasOrvalis;
using namespace ConfigWidgets;

namespace Orvalis {

namespace {

constexpr int PointerSize = 24;
constexpr int NumeroCount = 6;
constexpr int ZoneCount = 5;

QString AboTip(const QString& service) {
    return QStringLiteral("Active/Desactive l'abonnement au service ") + service;
}

// A tab: its text at the top, its check box, then its contents.
QWidget* Tab(QLabel* text, QCheckBox* check, QLayout* contents) {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(text);
    layout->addWidget(check);
    layout->addLayout(contents);
    layout->addStretch();
    return tab;
}

// A frame holding one text that wraps.
QGroupBox* TextFrame(const QString& title, const QString& name, QLabel* text) {
    QGroupBox* frame = Frame(title, name);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(text);
    return frame;
}

} // namespace

FrmConfigFt* FrmConfigFt::Open(Settings& settings, SettingsStore& store, MessagePresenter& messages,
                               ConfigHost& host, QWidget* mainWindow, int onglet) {
    if (host.EnCours())
        return nullptr;
    auto* dialog = new FrmConfigFt(settings, store, messages, host, mainWindow);
    dialog->m_SSTab->setCurrentIndex(onglet);
    dialog->show();
    return dialog;
}

FrmConfigFt::FrmConfigFt(Settings& settings, SettingsStore& store, MessagePresenter& messages,
                         ConfigHost& host, QWidget* mainWindow)
    : ConfigWindow(mainWindow, 104)
    , m_config(settings, store, messages, host)
    , m_SSTab(Tabs()) {
    setObjectName(QStringLiteral("FrmConfigFt"));
    m_SSTab->addTab(createPrimaliste(), QStringLiteral("Primaliste"));
    m_SSTab->addTab(createPrimalisteInternet(), QStringLiteral("&Primaliste Internet"));
    m_SSTab->addTab(createTemporalis(), QStringLiteral("Temporalis"));
    m_SSTab->addTab(createForfait(ConfigServices::Local), QStringLiteral("Forfait Local"));
    m_SSTab->addTab(createForfait(ConfigServices::Libre), QStringLiteral("Libre @cces"));

    connect(layOut(m_SSTab, QStringLiteral("CmdOK")), &QPushButton::clicked, this,
            &FrmConfigFt::CmdOk_Click);

    auto* clicks = new ClickSelectsAll(this);
    for (int n = 1; n <= PrimalisteInternetIndex; ++n)
        m_TxtNoPrimaliste[n]->installEventFilter(clicks);
    for (int n = 1; n <= NumeroCount; ++n)
        m_TxtNoPrimaliste[n]->installEventFilter(this);
    auto* keys = new NumericKeyFilter(this);
    for (const auto forfait : {ConfigServices::Local, ConfigServices::Libre}) {
        for (QLineEdit* box : txtTemps(forfait))
            keys->watch(box);
        txtTemps(forfait)[1]->installEventFilter(this);
    }

    Form_Load();
}

QWidget* FrmConfigFt::createPrimaliste() {
    m_ChkPrimaliste = Check(QStringLiteral("Activer l'option Primaliste"),
                            AboTip(QStringLiteral("Primaliste")), QStringLiteral("ChkPrimaliste"));
    connect(m_ChkPrimaliste, &QCheckBox::toggled, this, &FrmConfigFt::ChkPrimaliste_Click);

    m_ImgPicto5 =
        Picture(QStringLiteral(":/config/pointeur.svg"), PointerSize, Indexed("ImgPicto", 5));
    // The numbers stay in place while the pointer is hidden.
    QSizePolicy pointerPolicy = m_ImgPicto5->sizePolicy();
    pointerPolicy.setRetainSizeWhenHidden(true);
    m_ImgPicto5->setSizePolicy(pointerPolicy);
    m_grilleNumeros = new QGridLayout;
    for (int n = 1; n <= NumeroCount; ++n) {
        m_LblTextes[100 + n] =
            Label(QStringLiteral("Numéro %1").arg(n), Indexed("LblTextes", 100 + n));
        m_TxtNoPrimaliste[n] =
            Box(QStringLiteral("Affichage/Configurations des numéros primaliste"),
                Indexed("TxtN°Primaliste", n));
        m_grilleNumeros->addWidget(m_LblTextes[100 + n], n - 1, 1);
        m_grilleNumeros->addWidget(m_TxtNoPrimaliste[n], n - 1, 2);
    }
    m_grilleNumeros->addWidget(m_ImgPicto5, 0, 0);

    const std::array<QString, ZoneCount> zones{
        QStringLiteral("Local"), QStringLiteral("Jusqu'à 25 Kms"),
        QStringLiteral("Entre 25 et 30 Kms"), QStringLiteral("Entre 30 et 50 Kms"),
        QStringLiteral("National")};
    m_FraCadres0 = Frame(QStringLiteral("Distance Numéro 1"), Indexed("FraCadres", 0));
    m_OptZonePrimaliste = new QButtonGroup(this);
    auto* options = new QVBoxLayout(m_FraCadres0);
    for (int option = 1; option <= ZoneCount; ++option) {
        auto* button = new QRadioButton(zones[option - 1]);
        button->setObjectName(Indexed("OptZonePrimaliste", option));
        button->setToolTip(QStringLiteral("Affichage/Configuration des distances des numéros "
                                          "primaliste"));
        m_OptZonePrimaliste->addButton(button, option);
        options->addWidget(button);
    }
    // Only the user's click chooses a distance; the options shown for a
    // number that receives the focus change nothing.
    connect(m_OptZonePrimaliste, &QButtonGroup::idClicked, this,
            &FrmConfigFt::OptZonePrimaliste_Click);

    auto* contents = new QHBoxLayout;
    contents->addLayout(m_grilleNumeros, 1);
    contents->addWidget(m_FraCadres0, 0, Qt::AlignTop);
    return Tab(HelpText(QStringLiteral("Si vous êtes abonnés au service Primalistes, cochez la "
                                       "case ci-dessous, entrez vos 6 numéros Primaliste puis "
                                       "sélectionnez la distance correspondante à chaque numéro."),
                        Indexed("LblTextes", 100)),
               m_ChkPrimaliste, contents);
}

QWidget* FrmConfigFt::createPrimalisteInternet() {
    m_ChkPrimalisteInternet = Check(QStringLiteral("Activer l'option Primaliste Internet"),
                                    AboTip(QStringLiteral("Primaliste Internet")),
                                    QStringLiteral("ChkPrimalisteInternet"));
    connect(m_ChkPrimalisteInternet, &QCheckBox::toggled, this,
            &FrmConfigFt::ChkPrimalisteInternet_Click);
    m_LblTextes[201] =
        Label(QStringLiteral("Numéro Primaliste Internet"), Indexed("LblTextes", 201));
    m_TxtNoPrimaliste[PrimalisteInternetIndex] =
        Box(QStringLiteral("Affichage/Configuration du numéro primaliste internet"),
            Indexed("TxtN°Primaliste", PrimalisteInternetIndex));

    auto* numero = new QHBoxLayout;
    numero->addWidget(m_LblTextes[201]);
    numero->addWidget(m_TxtNoPrimaliste[PrimalisteInternetIndex], 1);
    auto* contents = new QVBoxLayout;
    contents->addLayout(numero);
    contents->addWidget(
        TextFrame(QStringLiteral("Réduction applicable"), Indexed("FraCadres", 1),
                  HelpText(QStringLiteral("Primaliste Internet vous permet de bénéficier de 50% de "
                                          "réduction entre 22h00 et 08h00"),
                           Indexed("LblTextes", 202))));
    return Tab(
        HelpText(QStringLiteral("Si vous êtes abonnés au service Primaliste Internet, cochez "
                                "la case ci-dessous et entrez le numéro de votre "
                                "fournisseur d'accés."),
                 Indexed("LblTextes", 200)),
        m_ChkPrimalisteInternet, contents);
}

QWidget* FrmConfigFt::createTemporalis() {
    m_ChkTemporalis = Check(QStringLiteral("Activer l'option Temporalis"),
                            AboTip(QStringLiteral("Temporalis")), QStringLiteral("ChkTemporalis"));
    const std::array<std::pair<QString, QString>, 4> lignes{{
        {QStringLiteral("De 0 à 5 minutes --------------------"),
         QStringLiteral("0 % de réduction")},
        {QStringLiteral("De 5 à 10 minutes ------------------"),
         QStringLiteral("10 % de réduction")},
        {QStringLiteral("De 10 à 15 minutes ----------------"),
         QStringLiteral("20 % de réduction")},
        {QStringLiteral("Au delà de 15 minutes ------------"), QStringLiteral("30 % de réduction")},
    }};
    QGroupBox* frame = Frame(QStringLiteral("Réductions applicables en fonction du temps d'appel:"),
                             Indexed("FraCadres", 2));
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < int(lignes.size()); ++i) {
        grid->addWidget(Label(lignes[i].first, Indexed("LblTextes", 301 + 2 * i)), i, 0);
        grid->addWidget(Label(lignes[i].second, Indexed("LblTextes", 302 + 2 * i)), i, 1);
    }
    grid->setColumnStretch(1, 1);
    auto* contents = new QVBoxLayout;
    contents->addWidget(frame);
    return Tab(HelpText(QStringLiteral("Si vous êtes abonné au service Temporalis cochez  la case "
                                       "ci-dessous pour activer cette option."),
                        Indexed("LblTextes", 300)),
               m_ChkTemporalis, contents);
}

QWidget* FrmConfigFt::createForfait(ConfigServices::Forfait forfait) {
    const bool local = forfait == ConfigServices::Local;
    const QString service = local ? QStringLiteral("Forfait Local") : QStringLiteral("Libre @cces");
    const int lbl = lblForfait(forfait);

    QCheckBox*& check = chkForfait(forfait);
    check = Check(QStringLiteral("Activer l'option ") + service, AboTip(service),
                  local ? QStringLiteral("ChkForfaitLocal") : QStringLiteral("ChkLibreAcces"));
    connect(check, &QCheckBox::toggled, this, [this, forfait] { ChkForfait_Click(forfait); });

    const QString avantages =
        local ? QStringLiteral("Le Forfait Local vous permet de bénéficier de 6 heures de "
                               "communications par mois dans votre zone locale, tous les jours de "
                               "18h00 a 08h00, le week-end et les jours fériés")
              : QStringLiteral("Le Forfait Libre @cces vous permet de bénéficier de 20 heures de "
                               "communications par mois à destination d'un fournisseur Internet, "
                               "tous les jours de 18h00 à 08h00, le mercredi de 14h00 à 08h00, "
                               "toute la journée le week-end et les jours fériés");
    auto* contents = new QVBoxLayout;
    contents->addWidget(TextFrame(QStringLiteral("Avantages applicables"),
                                  Indexed("FraCadres", local ? 3 : 5),
                                  HelpText(avantages, Indexed("LblTextes", lbl + 3))));
    contents->addWidget(createTempsRestant(forfait));
    return Tab(HelpText(QStringLiteral("Si vous êtes abonné au service %1 cliquez sur la case "
                                       "ci-dessous pour activer cette option.")
                            .arg(service),
                        Indexed("LblTextes", lbl)),
               check, contents);
}

QGroupBox* FrmConfigFt::createTempsRestant(ConfigServices::Forfait forfait) {
    const bool local = forfait == ConfigServices::Local;
    const char* box = local ? "TxtForfaitLocal" : "TxtLibreAcces";
    const int lbl = lblForfait(forfait);

    std::array<QLineEdit*, 2>& temps = txtTemps(forfait);
    temps = {Box(QStringLiteral("Affiche le temps restant du mois en cours"), Indexed(box, 0)),
             Box(QStringLiteral("Zone de saisie du nouveau temps restant"), Indexed(box, 1))};
    // The remaining time changes only through the two buttons.
    temps[0]->setReadOnly(true);
    temps[0]->setText(QStringLiteral("00:00:00"));
    m_LblTextes[lbl + 1] = Label(QStringLiteral("Temps Actuel"), Indexed("LblTextes", lbl + 1));
    m_LblTextes[lbl + 2] = Label(QStringLiteral("Nouveau Temps"), Indexed("LblTextes", lbl + 2));
    QPushButton* init = Button(QStringLiteral("Initialiser le Temps"),
                               QStringLiteral("Permet d'initialiser le temps restant "),
                               Indexed("CmdInitTemps", forfait));
    QPushButton* modif = Button(QStringLiteral("Modifier le Temps"),
                                QStringLiteral("Permet de modifier le temps restant"),
                                Indexed("CmdModifTemps", forfait));
    m_CmdInitTemps[forfait] = init;
    m_CmdModifTemps[forfait] = modif;
    connect(init, &QPushButton::clicked, this, [this, forfait] { CmdInitTemps_Click(forfait); });
    connect(modif, &QPushButton::clicked, this, [this, forfait] { CmdModifTemps_Click(forfait); });

    QGroupBox* frame =
        Frame(QStringLiteral("Modification du temps restant"), Indexed("FraCadres", local ? 4 : 6));
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(m_LblTextes[lbl + 1 + i], i, 0);
        grid->addWidget(temps[i], i, 1);
    }
    grid->addWidget(init, 0, 2);
    grid->addWidget(modif, 1, 2);
    grid->setColumnStretch(1, 1);
    return frame;
}

void FrmConfigFt::Form_Load() {
    const ConfigServicesValues initial = m_config.valeursInitiales();
    m_ChkPrimaliste->setChecked(initial.primaliste);
    m_ChkPrimalisteInternet->setChecked(initial.primalisteInternet);
    m_ChkTemporalis->setChecked(initial.temporalis);
    m_ChkForfaitLocal->setChecked(initial.forfaitLocal);
    m_ChkLibreAcces->setChecked(initial.libreAcces);
    ChkPrimaliste_Click();
    ChkPrimalisteInternet_Click();
    for (const auto forfait : {ConfigServices::Local, ConfigServices::Libre}) {
        ChkForfait_Click(forfait);
        closeNewTime(txtTemps(forfait)[1]);
    }

    for (int n = 1; n <= PrimalisteInternetIndex; ++n)
        m_TxtNoPrimaliste[n]->setText(initial.numeros[n]);
    showDistance(1);
    m_TxtForfaitLocal[0]->setText(initial.tempsForfaitLocal);
    m_TxtLibreAcces[0]->setText(initial.tempsLibreAcces);
}

void FrmConfigFt::ChkPrimaliste_Click() {
    const bool enabled = m_ChkPrimaliste->isChecked();
    for (int n = 1; n <= NumeroCount; ++n) {
        m_TxtNoPrimaliste[n]->setEnabled(enabled);
        m_LblTextes.at(100 + n)->setEnabled(enabled);
    }
    for (QAbstractButton* option : m_OptZonePrimaliste->buttons())
        option->setEnabled(enabled);
    m_FraCadres0->setEnabled(enabled);
    m_ImgPicto5->setVisible(enabled);
    if (enabled)
        showDistance(1);
}

void FrmConfigFt::TxtNoPrimaliste_GotFocus(int n) {
    showDistance(n);
}

void FrmConfigFt::showDistance(int n) {
    const int zone = m_config.NumeroActif(n);
    m_grilleNumeros->removeWidget(m_ImgPicto5);
    m_grilleNumeros->addWidget(m_ImgPicto5, n - 1, 0);
    m_FraCadres0->setTitle(m_config.cadreDistance());
    if (QAbstractButton* option = m_OptZonePrimaliste->button(zone)) {
        option->setChecked(true);
        return;
    }
    // A zone outside 1..5 shows no option ticked.
    m_OptZonePrimaliste->setExclusive(false);
    for (QAbstractButton* option : m_OptZonePrimaliste->buttons())
        option->setChecked(false);
    m_OptZonePrimaliste->setExclusive(true);
}

void FrmConfigFt::OptZonePrimaliste_Click(int option) {
    m_config.ZoneChoisie(option);
}

void FrmConfigFt::ChkPrimalisteInternet_Click() {
    const bool enabled = m_ChkPrimalisteInternet->isChecked();
    m_TxtNoPrimaliste[PrimalisteInternetIndex]->setEnabled(enabled);
    m_LblTextes.at(201)->setEnabled(enabled);
}

void FrmConfigFt::ChkForfait_Click(ConfigServices::Forfait forfait) {
    const bool enabled = chkForfait(forfait)->isChecked();
    m_CmdInitTemps[forfait]->setEnabled(enabled);
    m_CmdModifTemps[forfait]->setEnabled(enabled);
    txtTemps(forfait)[0]->setEnabled(enabled);
    for (const int index : {lblForfait(forfait) + 1, lblForfait(forfait) + 2})
        m_LblTextes.at(index)->setEnabled(enabled);
}

void FrmConfigFt::CmdInitTemps_Click(ConfigServices::Forfait forfait) {
    const std::optional<QString> plein = m_config.CmdInitTemps(forfait);
    if (!plein)
        return;
    txtTemps(forfait)[0]->setText(*plein);
    txtTemps(forfait)[1]->clear();
}

void FrmConfigFt::CmdModifTemps_Click(ConfigServices::Forfait forfait) {
    QLineEdit* box = txtTemps(forfait)[1];
    box->setEnabled(true);
    PaintBox(box, true);
    box->setFocus();
    m_config.CmdModifTemps(forfait);
}

QCheckBox*& FrmConfigFt::chkForfait(ConfigServices::Forfait forfait) {
    return forfait == ConfigServices::Local ? m_ChkForfaitLocal : m_ChkLibreAcces;
}

std::array<QLineEdit*, 2>& FrmConfigFt::txtTemps(ConfigServices::Forfait forfait) {
    return forfait == ConfigServices::Local ? m_TxtForfaitLocal : m_TxtLibreAcces;
}

int FrmConfigFt::lblForfait(ConfigServices::Forfait forfait) {
    return forfait == ConfigServices::Local ? 400 : 500;
}

void FrmConfigFt::closeNewTime(QLineEdit* box) {
    box->setEnabled(false);
    PaintBox(box, false);
}

void FrmConfigFt::TxtTemps_LostFocus(ConfigServices::Forfait forfait) {
    const std::array<QLineEdit*, 2>& temps = txtTemps(forfait);
    QString tempsActuel;
    switch (m_config.ControleNouveauTemps(forfait, temps[1]->text(), &tempsActuel)) {
    case ConfigServices::Saisie::Vide:
        closeNewTime(temps[1]);
        break;
    case ConfigServices::Saisie::Invalide:
        m_SSTab->setCurrentIndex(forfait == ConfigServices::Local ? ConfigServices::ForfaitLocal
                                                                  : ConfigServices::LibreAcces);
        temps[1]->clear();
        break;
    case ConfigServices::Saisie::Valide:
        closeNewTime(temps[1]);
        temps[0]->setText(tempsActuel);
        break;
    }
}

void FrmConfigFt::CmdOk_Click() {
    ConfigServicesValues values;
    values.primaliste = m_ChkPrimaliste->isChecked();
    values.primalisteInternet = m_ChkPrimalisteInternet->isChecked();
    values.temporalis = m_ChkTemporalis->isChecked();
    values.forfaitLocal = m_ChkForfaitLocal->isChecked();
    values.libreAcces = m_ChkLibreAcces->isChecked();
    for (int n = 1; n <= PrimalisteInternetIndex; ++n)
        values.numeros[n] = m_TxtNoPrimaliste[n]->text();
    values.tempsForfaitLocal = m_TxtForfaitLocal[0]->text();
    values.tempsLibreAcces = m_TxtLibreAcces[0]->text();
    m_config.CmdOk(values);
    close();
}

bool FrmConfigFt::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int n = 1; n <= NumeroCount; ++n) {
            if (watched == m_TxtNoPrimaliste[n])
                TxtNoPrimaliste_GotFocus(n);
        }
    } else if (FocusLostWithin(event)) {
        for (const auto forfait : {ConfigServices::Local, ConfigServices::Libre}) {
            if (watched == txtTemps(forfait)[1])
                TxtTemps_LostFocus(forfait);
        }
    }
    return ConfigWindow::eventFilter(watched, event);
}

} // namespace Orvalis
