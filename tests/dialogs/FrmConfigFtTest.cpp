// The France Télécom services window driven as a user would, and the store
// file it leaves.
#include "dialogs/FrmConfigFt.h"
#include "dialogs/DialogTest.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using Orvalis::FrmConfigFt;

namespace {

const QString ServicesFt = QStringLiteral("Services FT");

class FrmConfigFtTest : public DialogFixture<FrmConfigFt> {
protected:
    FrmConfigFtTest() {
        for (int n = 1; n <= 6; ++n) {
            settings.NumerosPrimaliste[n] = QStringLiteral("01-00-00-00-0%1").arg(n);
            settings.ZonesPrimaliste[n] = 1 + n % 5;
        }
        settings.TempsForfaitLocal = QTime(2, 15, 0);
    }
    FrmConfigFt* open(int onglet = 0) {
        mainWindow.show();
        return opened(
            FrmConfigFt::Open(settings, files.store(), messages, host, &mainWindow, onglet));
    }
    QLineEdit* numero(int n) {
        return control<QLineEdit>(QStringLiteral("TxtN°Primaliste(%1)").arg(n));
    }
    QRadioButton* option(int n) {
        return control<QRadioButton>(QStringLiteral("OptZonePrimaliste(%1)").arg(n));
    }
    QGroupBox* distance() { return control<QGroupBox>(QStringLiteral("FraCadres(0)")); }
    QLineEdit* forfaitLocal(int i) {
        return control<QLineEdit>(QStringLiteral("TxtForfaitLocal(%1)").arg(i));
    }
    // The keys stored by an OK with Primaliste held and every number as it
    // was, with `zone4` as the zone of number 4.
    StoreContents primalisteKeys(const QString& zone4) const {
        StoreContents keys{
            {QStringLiteral("Services FT/Abonnement Primaliste"), QStringLiteral("1")},
            {QStringLiteral("Services FT/Abonnement Primaliste Internet"), QStringLiteral("0")},
            {QStringLiteral("Services FT/Abonnement Temporalis"), QStringLiteral("0")},
            {QStringLiteral("Services FT/Abonnement Forfait Local"), QStringLiteral("0")},
            {QStringLiteral("Services FT/Abonnement Libre Acces"), QStringLiteral("0")},
        };
        for (int n = 1; n <= 6; ++n) {
            keys.insert(QStringLiteral("Services FT/Primaliste: Numero %1").arg(n),
                        settings.NumerosPrimaliste[n]);
            keys.insert(QStringLiteral("Services FT/Primaliste: Zone Numero %1").arg(n),
                        n == 4 ? zone4 : QString::number(settings.ZonesPrimaliste[n]));
        }
        return keys;
    }
};

TEST_F(FrmConfigFtTest, OpensOnTheTabAskedAndGivesTheMainWindowBack) {
    FrmConfigFt* dialog = open(1);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Orvalis V3.04 : Configuration Services FT"));
    EXPECT_EQ(dialog->SSTab()->currentIndex(), 1);
    EXPECT_FALSE(mainWindow.isVisible());

    dialog->close();

    EXPECT_TRUE(closed());
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_TRUE(files.contents().isEmpty());
}

TEST_F(FrmConfigFtTest, NotOpenedDuringACall) {
    host.enCours = true;
    EXPECT_EQ(FrmConfigFt::Open(settings, files.store(), messages, host, &mainWindow, 0), nullptr);
}

TEST_F(FrmConfigFtTest, PrimalisteUncheckedDisablesItsControls) {
    open();
    EXPECT_FALSE(numero(1)->isEnabled());
    EXPECT_FALSE(option(3)->isEnabled());
    EXPECT_FALSE(control<QLabel>(QStringLiteral("LblTextes(106)"))->isEnabled());
    EXPECT_TRUE(control<QLabel>(QStringLiteral("ImgPicto(5)"))->isHidden());
}

TEST_F(FrmConfigFtTest, CheckingPrimalisteShowsTheDistanceOfNumberOne) {
    open();
    Click(control<QCheckBox>(QStringLiteral("ChkPrimaliste")));
    EXPECT_TRUE(numero(6)->isEnabled());
    EXPECT_FALSE(control<QLabel>(QStringLiteral("ImgPicto(5)"))->isHidden());
    EXPECT_EQ(distance()->title(), QStringLiteral("Distance Numéro 1"));
    EXPECT_TRUE(option(settings.ZonesPrimaliste[1])->isChecked());
}

TEST_F(FrmConfigFtTest, DistanceClickedAfterNumberFourChangesOnlyZoneFour) {
    settings.AboPrimaliste = 1;
    open();
    Click(numero(4));
    EXPECT_EQ(distance()->title(), QStringLiteral("Distance Numéro 4"));
    EXPECT_TRUE(option(settings.ZonesPrimaliste[4])->isChecked());

    Click(option(3));
    clickButton(QStringLiteral("CmdOK"));

    EXPECT_TRUE(closed());
    EXPECT_EQ(settings.ZonesPrimaliste[4], 3);
    EXPECT_EQ(files.contents(), primalisteKeys(QStringLiteral("3")));
    EXPECT_EQ(host.fills, 1);
}

TEST_F(FrmConfigFtTest, AnnulerForgetsTheDistancesClicked) {
    settings.AboPrimaliste = 1;
    const auto zones = settings.ZonesPrimaliste;
    open();
    Click(numero(2));
    Click(option(5));
    clickButton(QStringLiteral("CmdAnnuler"));

    EXPECT_TRUE(closed());
    EXPECT_EQ(settings.ZonesPrimaliste, zones);
    EXPECT_TRUE(files.contents().isEmpty());
}

TEST_F(FrmConfigFtTest, EmptiedNumberKeepsItsStoredNumberAndZone) {
    settings.AboPrimaliste = 1;
    files.store().write(ServicesFt, QStringLiteral("Primaliste: Numero 2"),
                        settings.NumerosPrimaliste[2]);
    files.store().write(ServicesFt, QStringLiteral("Primaliste: Zone Numero 2"),
                        QString::number(settings.ZonesPrimaliste[2]));
    const QString ancien = settings.NumerosPrimaliste[2];
    open();
    TypeInto(numero(2), QString());
    Click(option(5));
    clickButton(QStringLiteral("CmdOK"));

    EXPECT_TRUE(closed());
    EXPECT_EQ(settings.NumerosPrimaliste[2], ancien);
    EXPECT_EQ(files.contents(), primalisteKeys(QString::number(settings.ZonesPrimaliste[4])));
}

TEST_F(FrmConfigFtTest, InitialiserAnsweredNoStillStoresTheTimeOnOk) {
    settings.AboForfaitLocal = 1;
    messages.answers = {BasOrvalis::MessageAnswer::No};
    open(3);
    EXPECT_EQ(forfaitLocal(0)->text(), QStringLiteral("02:15:00"));

    clickButton(QStringLiteral("CmdInitTemps(0)"));
    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{207, 36, 307, 0}}));
    EXPECT_EQ(forfaitLocal(0)->text(), QStringLiteral("02:15:00"));
    clickButton(QStringLiteral("CmdOK"));

    EXPECT_TRUE(closed());
    const StoreContents stored = files.contents();
    EXPECT_EQ(stored.value(QStringLiteral("Services FT/Forfait Local : Temps")),
              QStringLiteral("02:15:00"));
    EXPECT_EQ(stored.value(QStringLiteral("Services FT/Abonnement Forfait Local")),
              QStringLiteral("1"));
    EXPECT_EQ(stored.size(), 6);
}

TEST_F(FrmConfigFtTest, AnnulerAfterInitialiserStoresNothing) {
    settings.AboForfaitLocal = 1;
    open(3);
    clickButton(QStringLiteral("CmdInitTemps(0)"));
    EXPECT_EQ(forfaitLocal(0)->text(), QStringLiteral("06:00:00"));

    clickButton(QStringLiteral("CmdAnnuler"));

    EXPECT_TRUE(closed());
    EXPECT_TRUE(files.contents().isEmpty());
    EXPECT_EQ(settings.TempsForfaitLocal, QTime(2, 15, 0));
}

TEST_F(FrmConfigFtTest, InvalidNewTimeNeverReachesTheCurrentTime) {
    settings.AboForfaitLocal = 1;
    open(3);
    QLineEdit* nouveau = forfaitLocal(1);
    EXPECT_FALSE(nouveau->isEnabled());
    clickButton(QStringLiteral("CmdModifTemps(0)"));
    ASSERT_EQ(QApplication::focusWidget(), nouveau);
    QTest::keyClicks(nouveau, QStringLiteral("25:61:00"));

    TabOut(nouveau);

    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{217, 48, 317, 417}}));
    EXPECT_EQ(control<QTabWidget>(QStringLiteral("SSTab"))->currentIndex(), 3);
    EXPECT_EQ(forfaitLocal(0)->text(), QStringLiteral("02:15:00"));
    EXPECT_TRUE(nouveau->text().isEmpty());
    EXPECT_TRUE(nouveau->isEnabled());
    clickButton(QStringLiteral("CmdOK"));
    EXPECT_EQ(files.contents().value(QStringLiteral("Services FT/Forfait Local : Temps")),
              QStringLiteral("02:15:00"));
}

TEST_F(FrmConfigFtTest, ValidNewTimeBecomesTheCurrentTimeAndIsStoredByOk) {
    settings.AboLibreAcces = 1;
    open(4);
    QLineEdit* nouveau = control<QLineEdit>(QStringLiteral("TxtLibreAcces(1)"));
    clickButton(QStringLiteral("CmdModifTemps(1)"));
    QTest::keyClicks(nouveau, QStringLiteral("5h:48:20"));
    EXPECT_EQ(nouveau->text(), QStringLiteral("5:48:20"));

    TabOut(nouveau);

    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(nouveau->isEnabled());
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("TxtLibreAcces(0)"))->text(),
              QStringLiteral("05:48:20"));
    clickButton(QStringLiteral("CmdOK"));
    EXPECT_EQ(settings.TempsLibreAcces, QTime(5, 48, 20));
    EXPECT_EQ(files.contents().value(QStringLiteral("Services FT/Libre Acces : Temps")),
              QStringLiteral("05:48:20"));
}

TEST_F(FrmConfigFtTest, PackageControlsFollowTheirCheckBox) {
    open(4);
    QPushButton* init = control<QPushButton>(QStringLiteral("CmdInitTemps(1)"));
    QLineEdit* actuel = control<QLineEdit>(QStringLiteral("TxtLibreAcces(0)"));
    EXPECT_FALSE(init->isEnabled());
    EXPECT_FALSE(actuel->isEnabled());
    Click(control<QCheckBox>(QStringLiteral("ChkLibreAcces")));
    EXPECT_TRUE(init->isEnabled());
    EXPECT_TRUE(actuel->isEnabled());
    EXPECT_TRUE(control<QLabel>(QStringLiteral("LblTextes(502)"))->isEnabled());
    EXPECT_EQ(actuel->text(), QStringLiteral("20:00:00"));
}

} // namespace
