// The monitor's icon and menu: the face and tip follow the link, the menu
// shows the items with "Ouvrir Orvalis" as its bold default and a tick on
// the checked options, a double click on the icon starts the calculator.
#include "tray/FrmSurveillance.h"
#include "Surveillance/MonitorRig.h"

#include <gtest/gtest.h>

using Surveillance::FrmSurveillance;

namespace {

class FrmSurveillanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        rig.options.load();
        form.Form_Load();
    }

    MonitorRig rig;
    FrmSurveillance form{rig.menu, rig.watcher, rig.finder};
};

} // namespace

TEST_F(FrmSurveillanceTest, TheMenuShowsTheItemsWithTheirStates) {
    const QList<QAction*> items = form.MnuContextuel().actions();
    ASSERT_EQ(items.size(), MonitorMenu::ItemCount);
    for (int index = 0; index < MonitorMenu::ItemCount; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(items[index], form.MnuOptions(index));
        EXPECT_EQ(items[index]->isSeparator(), MonitorMenu::isSeparator(index));
        if (!items[index]->isSeparator()) {
            EXPECT_EQ(items[index]->text(), rig.menu.caption(index));
        }
    }
    EXPECT_EQ(form.MnuContextuel().defaultAction(), form.MnuOptions(MonitorMenu::OuvrirOrvalis));
    EXPECT_FALSE(form.MnuOptions(MonitorMenu::OuvrirOrvalis)->icon().isNull());

    QAction* logon = form.MnuOptions(MonitorMenu::StartW95);
    QAction* opening = form.MnuOptions(MonitorMenu::StartOrvalis);
    QAction* call = form.MnuOptions(MonitorMenu::StartCalcul);
    EXPECT_TRUE(logon->isChecked());
    EXPECT_FALSE(logon->icon().isNull());
    EXPECT_FALSE(opening->isChecked());
    EXPECT_FALSE(call->isEnabled());
    opening->trigger();
    EXPECT_TRUE(opening->isChecked());
    EXPECT_TRUE(call->isEnabled());
    EXPECT_EQ(rig.storedOption("StartOrvalis"), "-1");
}

TEST_F(FrmSurveillanceTest, TheTipFollowsTheLinkAndTheMonitoring) {
    EXPECT_EQ(form.trayIcon().toolTip(), "Orvalis : Surveillance Modem - Déconnecté");
    rig.setLink(true);
    rig.watcher.Timer1_Timer();
    EXPECT_EQ(form.trayIcon().toolTip(), "Orvalis : Surveillance Modem - Connecté");
    EXPECT_FALSE(form.MnuOptions(MonitorMenu::Surveillance)->isEnabled());

    rig.setLink(false);
    rig.watcher.Timer1_Timer();
    form.MnuOptions(MonitorMenu::Surveillance)->trigger();
    EXPECT_EQ(form.trayIcon().toolTip(), "Orvalis : Surveillance Modem - Désactivé");
    EXPECT_EQ(form.MnuOptions(MonitorMenu::Surveillance)->text(), "Activer Surveillance Modem");
}

TEST_F(FrmSurveillanceTest, ADoubleClickOnTheIconStartsTheCalculator) {
    emit form.trayIcon().activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(rig.desktop.started.isEmpty());
    rig.client.running = true;
    emit form.trayIcon().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(rig.desktop.started, QStringList{MonitorRig::ProgramFolder + "/Orvalis"});
}
