// The monitor's menu: its items, the options kept in "Surveillance" as
// "-1"/"0", the dependencies between the options, the check of the
// calculator's default call, monitoring switched off and on, the entry that
// runs the monitor at logon.
#include "Surveillance/MonitorRig.h"

#include "BasOrvalis/CommunicationTexts.h"

#include <gtest/gtest.h>

using namespace BasOrvalis;

namespace {

class MonitorMenuTest : public ::testing::Test {
protected:
    void storeDefaultCall(const QString& type, const QString& number) {
        rig.store.write(Sections::Parametres, Keys::TypeDefaut, type);
        rig.store.write(Sections::Parametres, Keys::NumeroDefaut, number);
    }
    // Items 2 to 5 as the menu shows them: "x" checked, "-" unchecked, then
    // "e" enabled, "d" disabled.
    QString options() const {
        QString marks;
        for (int index = MonitorMenu::StartW95; index <= MonitorMenu::StartReduit; ++index) {
            marks += rig.menu.checked(index) ? QLatin1Char('x') : QLatin1Char('-');
            marks += rig.menu.enabled(index) ? QLatin1Char('e') : QLatin1Char('d');
        }
        return marks;
    }
    QStringList stored() const {
        return {rig.storedOption("StartW95"), rig.storedOption("StartOrvalis"),
                rig.storedOption("StartCalcul"), rig.storedOption("StartReduit")};
    }
    // Monitoring on, options as in the store.
    void start() {
        rig.options.load();
        rig.watcher.start();
    }

    MonitorRig rig;
};

} // namespace

TEST_F(MonitorMenuTest, ShowsItsTenItems) {
    start();
    QStringList captions;
    for (int index = 0; index < MonitorMenu::ItemCount; ++index)
        captions << rig.menu.caption(index);
    EXPECT_EQ(captions,
              (QStringList{"Ouvrir Orvalis", "-", "Activer surveillance au démarrage de la session",
                           "Ouvrir Orvalis si détection d'une connexion",
                           "Démarrer calcul avec N° par défaut si  connexion",
                           "Démarrer en fenêtre réduite", "-", "Désactiver Surveillance Modem", "-",
                           "Quitter"}));
}

TEST_F(MonitorMenuTest, AFirstStartShowsRunAtLogonCheckedButWritesNoEntry) {
    start();
    EXPECT_EQ(options(), "xe-e-d-d");
    EXPECT_FALSE(rig.autostart.exists());
    // Nothing stored yet: the defaults stand until an option is clicked.
    EXPECT_EQ(stored(), QStringList(4, QString()));

    rig.menu.MnuOptions_Click(MonitorMenu::StartW95);
    EXPECT_FALSE(rig.autostart.exists());
    EXPECT_EQ(rig.storedOption("StartW95"), "0");
    rig.menu.MnuOptions_Click(MonitorMenu::StartW95);
    EXPECT_TRUE(rig.autostart.exists());
    EXPECT_EQ(rig.storedOption("StartW95"), "-1");
}

TEST_F(MonitorMenuTest, AnOptionWithoutItsPrerequisiteReadsUnchecked) {
    rig.storeOption("StartW95", "0");
    rig.storeOption("StartOrvalis", "0");
    rig.storeOption("StartCalcul", "-1");
    rig.storeOption("StartReduit", "-1");
    ASSERT_TRUE(rig.autostart.write());
    start();
    EXPECT_EQ(options(), "-e-e-d-d");
    // Only a click on the item writes or removes the entry.
    EXPECT_TRUE(rig.autostart.exists());
}

TEST_F(MonitorMenuTest, UncheckingTheOpeningUnchecksAndDisablesTheCall) {
    storeDefaultCall(TypeText(CommunicationType::Standard), Numbers::AppelLocal);
    start();
    rig.menu.MnuOptions_Click(MonitorMenu::StartOrvalis);
    rig.menu.MnuOptions_Click(MonitorMenu::StartCalcul);
    rig.menu.MnuOptions_Click(MonitorMenu::StartReduit);
    EXPECT_EQ(options(), "xexexexe");
    EXPECT_EQ(stored(), (QStringList{"", "-1", "-1", "-1"}));

    rig.menu.MnuOptions_Click(MonitorMenu::StartOrvalis);
    EXPECT_EQ(options(), "xe-e-d-d");
    EXPECT_EQ(stored(), (QStringList{"", "0", "0", "0"}));
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

TEST_F(MonitorMenuTest, TheCallNeedsADefaultTypeAndNumber) {
    struct DefaultCase {
        QString type;
        QString number;
        bool accepted;
    };
    // Which stored defaults count as configured is the calculator's own rule.
    const QList<DefaultCase> cases{
        {TypeText(CommunicationType::Standard), FaitesUneSelection, false},
        {TypeText(CommunicationType::Standard), Numbers::AppelLocal, true},
    };
    rig.storeOption("StartOrvalis", "-1");
    start();
    for (const DefaultCase& c : cases) {
        SCOPED_TRACE((c.type + " / " + c.number).toStdString());
        storeDefaultCall(c.type, c.number);
        rig.messages.shown.clear();
        rig.menu.MnuOptions_Click(MonitorMenu::StartCalcul);
        EXPECT_EQ(rig.menu.checked(MonitorMenu::StartCalcul), c.accepted);
        EXPECT_EQ(rig.menu.enabled(MonitorMenu::StartReduit), c.accepted);
        EXPECT_EQ(rig.storedOption("StartCalcul"), c.accepted ? "-1" : "0");
        EXPECT_EQ(rig.messages.shown,
                  c.accepted ? QStringList{}
                             : QStringList{"Surveillance Modem: Type de Communication ou Numéro "
                                           "par défaut non configurés"});
    }
}

TEST_F(MonitorMenuTest, MonitoringOffDisablesTheOptionsAndOnRestoresTheirDependencies) {
    rig.storeOption("StartOrvalis", "-1");
    start();
    EXPECT_EQ(options(), "xexe-e-d");

    rig.menu.MnuOptions_Click(MonitorMenu::Surveillance);
    EXPECT_EQ(rig.menu.caption(MonitorMenu::Surveillance), "Activer Surveillance Modem");
    EXPECT_EQ(rig.watcher.state(), TrayState::Off);
    EXPECT_EQ(options(), "xdxd-d-d");

    // Back on, a link that came up meanwhile is a change at the next tick.
    rig.setLink(true);
    rig.menu.MnuOptions_Click(MonitorMenu::Surveillance);
    EXPECT_EQ(rig.menu.caption(MonitorMenu::Surveillance), "Désactiver Surveillance Modem");
    EXPECT_EQ(rig.watcher.state(), TrayState::Disconnected);
    EXPECT_EQ(options(), "xexe-e-d");
    EXPECT_EQ(stored(), (QStringList{"", "-1", "", ""}));
    rig.watcher.Timer1_Timer();
    EXPECT_EQ(rig.watcher.state(), TrayState::Connected);

    // Not while connected.
    EXPECT_FALSE(rig.menu.enabled(MonitorMenu::Surveillance));
    rig.menu.MnuOptions_Click(MonitorMenu::Surveillance);
    EXPECT_TRUE(rig.watcher.monitoring());
}

TEST_F(MonitorMenuTest, OpenOrvalisFindsOrStartsTheCalculator) {
    start();
    rig.menu.MnuOptions_Click(MonitorMenu::OuvrirOrvalis);
    EXPECT_EQ(rig.desktop.started, QStringList{MonitorRig::ProgramFolder + "/Orvalis"});
}
