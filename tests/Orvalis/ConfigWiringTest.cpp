// The configuration dialogs opened from the calculator's main window: the
// window stands aside while they are open and shows what they changed.
#include "Orvalis/MainWindowFixture.h"
#include "dialogs/FrmConfig.h"
#include "dialogs/FrmConfigFt.h"

#include "BasOrvalis/CommunicationTexts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Orvalis;

namespace {

template <typename T> T* OpenDialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<T*>(window); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
}

class ConfigWiringTest : public MainWindowFixture {
protected:
    FrmPrincipale& main() { return window(QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0))); }
};

TEST_F(ConfigWiringTest, GeneralConfigurationStandsInForTheMainWindow) {
    FrmPrincipale& principale = main();
    principale.menus().MnuConfigGenerale->trigger();
    FrmConfig* dialog = OpenDialog<FrmConfig>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(principale.isVisible());

    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    dialog->findChild<QTabWidget*>(QStringLiteral("SSTab"))->setCurrentIndex(2);
    Click(dialog->findChild<QPushButton*>(QStringLiteral("CmdModifTotal")));
    auto* nouveau = dialog->findChild<QLineEdit*>(QStringLiteral("TxtTotal(1)"));
    QTest::keyClicks(nouveau, QStringLiteral("12,5"));
    QTest::keyClick(nouveau, Qt::Key_Tab);
    Click(dialog->findChild<QPushButton*>(QStringLiteral("CmdOk")));

    EXPECT_EQ(principale.findChild<QLabel*>(QStringLiteral("LblAffichageTotal"))->text(),
              QStringLiteral("12,50"));
    EXPECT_TRUE(principale.isVisible());
    EXPECT_EQ(OpenDialog<FrmConfig>(), nullptr);
}

TEST_F(ConfigWiringTest, ServicesOkRefillsTheMainWindowTypes) {
    FrmPrincipale& principale = main();
    auto* types = principale.findChild<QComboBox*>(QStringLiteral("CboCommunication"));
    EXPECT_EQ(types->findText(BasOrvalis::TypeText(BasOrvalis::CommunicationType::Temporalis)), -1);
    principale.menus().MnuConfigFT->trigger();
    FrmConfigFt* dialog = OpenDialog<FrmConfigFt>();
    ASSERT_NE(dialog, nullptr);

    Click(dialog->findChild<QCheckBox*>(QStringLiteral("ChkTemporalis")));
    Click(dialog->findChild<QPushButton*>(QStringLiteral("CmdOK")));

    EXPECT_TRUE(principale.isVisible());
    EXPECT_NE(types->findText(BasOrvalis::TypeText(BasOrvalis::CommunicationType::Temporalis)), -1);
    EXPECT_EQ(store.read(QStringLiteral("Services FT"), QStringLiteral("Abonnement Temporalis")),
              QStringLiteral("1"));
}

TEST_F(ConfigWiringTest, ServicesOpenedOnTheTabOfAnUnconfiguredNumber) {
    FrmPrincipale& principale = main();
    principale.OpenServicesDialog(1);
    FrmConfigFt* dialog = OpenDialog<FrmConfigFt>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->SSTab()->currentIndex(), 1);
    dialog->close();
    EXPECT_TRUE(principale.isVisible());
}

TEST_F(ConfigWiringTest, NoDialogDuringACall) {
    FrmPrincipale& principale = main();
    principale.engine().StartStop(true);
    EXPECT_FALSE(principale.menus().MnuConfigGenerale->isEnabled());

    principale.MnuConfigGenerale_Click();
    principale.MnuConfigFT_Click();

    EXPECT_EQ(OpenDialog<FrmConfig>(), nullptr);
    EXPECT_EQ(OpenDialog<FrmConfigFt>(), nullptr);
    EXPECT_TRUE(principale.isVisible());
}

TEST_F(ConfigWiringTest, NoRemoteStartWhileADialogIsOpen) {
    settings.TypeDefaut = BasOrvalis::CommunicationType::Standard;
    settings.NumeroDefaut = BasOrvalis::Numbers::AppelLocal;
    FrmPrincipale& principale = main();
    principale.menus().MnuConfigGenerale->trigger();
    FrmConfig* dialog = OpenDialog<FrmConfig>();
    ASSERT_NE(dialog, nullptr);

    EXPECT_FALSE(principale.runDdeCommand(RemoteControl::Command::Start));
    EXPECT_FALSE(principale.runDdeCommand(RemoteControl::Command::ShowCompact));
    EXPECT_FALSE(principale.engine().EnCours());
    EXPECT_EQ(principale.reduite(), nullptr);
    EXPECT_FALSE(principale.isVisible());

    dialog->close();
    EXPECT_TRUE(principale.runDdeCommand(RemoteControl::Command::Start));
    EXPECT_TRUE(principale.engine().EnCours());
}

} // namespace
