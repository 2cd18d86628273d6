// The general configuration window driven as a user would, and the store
// file it leaves.
#include "dialogs/FrmConfig.h"
#include "dialogs/DialogTest.h"

#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/LogWriter.h"
#include "common/LogFile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

using Orvalis::FrmConfig;

namespace {

class FrmConfigTest : public DialogFixture<FrmConfig> {
protected:
    FrmConfig* open() {
        mainWindow.show();
        return opened(FrmConfig::Open(settings, files.store(), messages, host, &mainWindow));
    }
    QLineEdit* box(const char* array, int index) {
        return control<QLineEdit>(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index));
    }
    QTabWidget* tabs() { return control<QTabWidget>(QStringLiteral("SSTab")); }
};

TEST_F(FrmConfigTest, MainWindowHiddenWhileOpenAndBackWhenClosedByTheTitleBar) {
    FrmConfig* dialog = open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Orvalis V3.04 : Configuration Générale"));
    EXPECT_FALSE(mainWindow.isVisible());

    dialog->close();

    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_TRUE(closed());
    EXPECT_TRUE(files.contents().isEmpty());
}

TEST_F(FrmConfigTest, NotOpenedDuringACall) {
    host.enCours = true;
    mainWindow.show();
    EXPECT_EQ(FrmConfig::Open(settings, files.store(), messages, host, &mainWindow), nullptr);
    EXPECT_TRUE(mainWindow.isVisible());
}

TEST_F(FrmConfigTest, CancelStoresNothing) {
    open();
    clickButton("CmdModifier");
    TypeInto(box("TxtParamUT", 0), QStringLiteral("0,9"));
    TabOut(box("TxtParamUT", 0));
    Click(control<QCheckBox>(QStringLiteral("ChkPerso")));

    clickButton("CmdAnnuler");

    EXPECT_TRUE(closed());
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_TRUE(files.contents().isEmpty());
    EXPECT_FLOAT_EQ(settings.TarifCreditTemps, 0.742f);
    EXPECT_EQ(settings.TarifPerso, 0);
    EXPECT_EQ(host.fills, 0);
}

TEST_F(FrmConfigTest, TariffBoxesLockedUntilModifierAndAgainOnAnotherTab) {
    open();
    QLineEdit* tarif = box("TxtParamUT", 3);
    QPushButton* modifier = control<QPushButton>(QStringLiteral("CmdModifier"));
    EXPECT_TRUE(tarif->isReadOnly());

    Click(modifier);
    EXPECT_FALSE(tarif->isReadOnly());
    EXPECT_FALSE(modifier->isEnabled());

    tabs()->setCurrentIndex(1);
    EXPECT_TRUE(tarif->isReadOnly());
    EXPECT_FALSE(modifier->isEnabled());
    tabs()->setCurrentIndex(0);
    EXPECT_TRUE(modifier->isEnabled());
}

TEST_F(FrmConfigTest, PointInATariffBoxIsRefusedUnderFrenchSettings) {
    open();
    clickButton("CmdModifier");
    QLineEdit* tarif = box("TxtParamUT", 0);
    TypeInto(tarif, QStringLiteral("0.5"));

    TabOut(tarif);

    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{204, 48, 304, 404}}));
    EXPECT_EQ(tarif->text(), QStringLiteral("0,742"));
    EXPECT_EQ(QApplication::focusWidget(), tarif);
    EXPECT_EQ(tabs()->currentIndex(), 0);
}

TEST_F(FrmConfigTest, OtherKeysAreDropped) {
    open();
    clickButton("CmdModifier");
    QLineEdit* tarif = box("TxtParamUT", 1);
    TypeInto(tarif, QStringLiteral("1a8b0"));
    EXPECT_EQ(tarif->text(), QStringLiteral("180"));
}

TEST_F(FrmConfigTest, PastedTextGoesThroughTheKeyFilter) {
    open();
    clickButton("CmdModifier");
    QLineEdit* tarif = box("TxtParamUT", 1);
    Click(tarif);
    QTest::keyClick(tarif, Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("1a2\t0,5 F"));
    QTest::keyClick(tarif, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(tarif->text(), QStringLiteral("120,5 "));
}

TEST_F(FrmConfigTest, EscapeClosesWithoutStoringAsAnnuler) {
    open();
    clickButton("CmdModifier");
    TypeInto(box("TxtParamUT", 0), QStringLiteral("9"));
    QTest::keyClick(box("TxtParamUT", 0), Qt::Key_Escape);
    EXPECT_TRUE(closed());
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_TRUE(files.contents().isEmpty());
    EXPECT_FLOAT_EQ(settings.TarifCreditTemps, 0.742f);
}

TEST_F(FrmConfigTest, ManualResetThenCancelKeepsTheResetAndItsRecord) {
    settings.CoutTotal = 56.25f;
    open();
    tabs()->setCurrentIndex(2);
    EXPECT_EQ(box("TxtTotal", 0)->text(), QStringLiteral("56,25"));

    clickButton("CmdRAZTotal");
    EXPECT_EQ(box("TxtTotal", 0)->text(), QStringLiteral("0,00"));
    clickButton("CmdAnnuler");

    EXPECT_TRUE(closed());
    ExpectManualResetDone(settings.CoutTotal, host, files);
}

TEST_F(FrmConfigTest, AutomaticResetWithoutDateStopsOkAtTabTwo) {
    open();
    tabs()->setCurrentIndex(2);
    QComboBox* periode = control<QComboBox>(QStringLiteral("CboPeriode"));
    EXPECT_FALSE(periode->isEnabled());
    Click(control<QCheckBox>(QStringLiteral("ChkRazAutoTotal")));
    EXPECT_TRUE(periode->isEnabled());
    periode->setCurrentText(QStringLiteral("Mensuelle"));
    EXPECT_EQ(control<QComboBox>(QStringLiteral("CboDate"))->count(), 7);
    tabs()->setCurrentIndex(0);

    clickButton("CmdOk");

    EXPECT_FALSE(closed());
    EXPECT_EQ(tabs()->currentIndex(), 2);
    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{210, 48, 310, 410}}));
    EXPECT_EQ(files.contents(), DefaultTariffKeys());
    EXPECT_FALSE(mainWindow.isVisible());
}

TEST_F(FrmConfigTest, BimestrielleWithAMonthlyDateShowsNoDate) {
    settings.RazAutoTotal = 1;
    settings.RazPeriode = QStringLiteral("Mensuelle");
    settings.RazDate = QStringLiteral("Le 5 du mois");
    open();
    QComboBox* date = control<QComboBox>(QStringLiteral("CboDate"));
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("ChkRazAutoTotal"))->isChecked());
    EXPECT_EQ(date->currentText(), QStringLiteral("Le 5 du mois"));

    control<QComboBox>(QStringLiteral("CboPeriode"))
        ->setCurrentText(QStringLiteral("Bimestrielle"));

    EXPECT_EQ(date->currentText(), QStringLiteral("Faites une sélection"));
    EXPECT_EQ(date->count(), 13);
}

TEST_F(FrmConfigTest, NewTotalIsRoundedToTwoDecimalsAndStored) {
    open();
    tabs()->setCurrentIndex(2);
    QLineEdit* nouveau = box("TxtTotal", 1);
    EXPECT_FALSE(nouveau->isEnabled());
    clickButton("CmdModifTotal");
    ASSERT_EQ(QApplication::focusWidget(), nouveau);
    QTest::keyClicks(nouveau, QStringLiteral("12,3456"));

    TabOut(nouveau);

    EXPECT_EQ(box("TxtTotal", 0)->text(), QStringLiteral("12,35"));
    EXPECT_FALSE(nouveau->isEnabled());
    clickButton("CmdOk");
    EXPECT_TRUE(closed());
    EXPECT_FLOAT_EQ(settings.CoutTotal, 12.35f);
    EXPECT_EQ(
        files.contents(),
        Merged(DefaultTariffKeys(),
               {{QStringLiteral("Parametres/Cout Total"), QStringLiteral("12,35")},
                {QStringLiteral("Parametres/RAZ Auto Total"), QStringLiteral("0")},
                {QStringLiteral("Parametres/Budget Mensuel"), QString()},
                {QStringLiteral("Tarification/Tarification personnalisée"), QStringLiteral("0")}}));
    EXPECT_EQ(host.fills, 1);
    EXPECT_TRUE(mainWindow.isVisible());
}

// The budget box of the total's tab: filtered as the other numeric boxes,
// checked when it loses the focus (no amount of zero or less), stored as
// typed; emptied, no budget.
TEST_F(FrmConfigTest, MonthlyBudgetIsTypedCheckedAndStored) {
    settings.BudgetMensuel = 300.f;
    open();
    tabs()->setCurrentIndex(2);
    QLineEdit* budget = control<QLineEdit>(QStringLiteral("TxtBudget"));
    EXPECT_EQ(budget->text(), QStringLiteral("300"));

    TypeInto(budget, QStringLiteral("1.5"));
    TabOut(budget);
    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{204, 48, 304, 404}}));
    EXPECT_TRUE(budget->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), budget);
    for (const QString& refused : {QStringLiteral("-5"), QStringLiteral("0")}) {
        messages.shown.clear();
        TypeInto(budget, refused);
        TabOut(budget);
        EXPECT_EQ(messages.shown, (QList<ShownMessage>{{240, 48, 340, 440}}))
            << qPrintable(refused);
        EXPECT_TRUE(budget->text().isEmpty());
        EXPECT_EQ(QApplication::focusWidget(), budget);
    }

    TypeInto(budget, QStringLiteral("1F50,5"));
    clickButton("CmdOk");
    EXPECT_TRUE(closed());
    EXPECT_EQ(files.contents().value(QStringLiteral("Parametres/Budget Mensuel")),
              QStringLiteral("150,5"));
    EXPECT_EQ(settings.BudgetMensuel, 150.5f);

    open();
    TypeInto(control<QLineEdit>(QStringLiteral("TxtBudget")), QString());
    clickButton("CmdOk");
    EXPECT_TRUE(closed());
    EXPECT_TRUE(files.contents().value(QStringLiteral("Parametres/Budget Mensuel")).isEmpty());
    EXPECT_FALSE(settings.BudgetMensuel);
}

TEST_F(FrmConfigTest, InvalidNewTotalIsEmptiedAndKeepsTheFocus) {
    open();
    tabs()->setCurrentIndex(2);
    clickButton("CmdModifTotal");
    QLineEdit* nouveau = box("TxtTotal", 1);
    QTest::keyClicks(nouveau, QStringLiteral("1.5"));

    TabOut(nouveau);

    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{204, 48, 304, 404}}));
    EXPECT_TRUE(nouveau->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), nouveau);
    EXPECT_EQ(box("TxtTotal", 0)->text(), QStringLiteral("0"));
}

TEST_F(FrmConfigTest, DefaultTypeAndNumberListsFollowTheSubscriptions) {
    settings.AboPrimaliste = 1;
    settings.NumerosPrimaliste[1] = QStringLiteral("01-23-45-67-89");
    settings.TypeDefaut = BasOrvalis::CommunicationType::Primaliste;
    settings.NumeroDefaut = QStringLiteral("01-23-45-67-89");
    open();
    QComboBox* type = control<QComboBox>(QStringLiteral("CboCommunication"));
    QComboBox* numero = control<QComboBox>(QStringLiteral("CboNumero"));
    EXPECT_EQ(type->currentText(), QStringLiteral("Primaliste"));
    EXPECT_EQ(numero->currentText(), QStringLiteral("01-23-45-67-89"));
    EXPECT_EQ(numero->count(), 6);
    EXPECT_EQ(control<QLabel>(QStringLiteral("LblTextes(9)"))->text(),
              QStringLiteral("Numéros Primaliste"));

    type->setCurrentText(QStringLiteral("Faites une sélection"));
    EXPECT_FALSE(numero->isEnabled());
    EXPECT_EQ(control<QLabel>(QStringLiteral("LblTextes(9)"))->text(), QStringLiteral("Numéro"));
}

TEST_F(FrmConfigTest, DefaultNoLongerOfferedIsReportedAndForgotten) {
    settings.TypeDefaut = BasOrvalis::CommunicationType::Primaliste;
    settings.NumeroDefaut = QStringLiteral("01-23-45-67-89");
    open();
    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{215, 48, 315, 415}}));
    EXPECT_EQ(control<QComboBox>(QStringLiteral("CboCommunication"))->currentText(),
              QStringLiteral("Faites une sélection"));
}

TEST_F(FrmConfigTest, PersonalisedTariffEnabledByItsBox) {
    open();
    tabs()->setCurrentIndex(3);
    QLineEdit* duree = box("txtPerso", 2);
    EXPECT_FALSE(duree->isEnabled());
    Click(control<QCheckBox>(QStringLiteral("ChkPerso")));
    EXPECT_TRUE(duree->isEnabled());
    EXPECT_TRUE(control<QLabel>(QStringLiteral("LblTextes(403)"))->isEnabled());

    TypeInto(duree, QStringLiteral("6.0"));
    TabOut(duree);
    EXPECT_EQ(messages.shown, (QList<ShownMessage>{{204, 48, 304, 404}}));
    EXPECT_TRUE(duree->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), duree);
}

} // namespace
