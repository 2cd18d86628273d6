// The log viewer's launcher: a viewer on the session bus takes the command
// line; else one window found is brought forward, none or several start a
// new viewer from the program folder.
#include "forms/JournalLauncher.h"
#include "Orvalis/MainWindowFixture.h"

#include <QDir>

using namespace Orvalis;

using WindowSearch::ShowCommand;

namespace {

struct LauncherCase {
    const char* name;
    QList<WindowSearch::WindowId> found;
    bool gestion;
};

class JournalLauncherTest : public ::testing::TestWithParam<LauncherCase> {
protected:
    RecordingDesktop desktop;
    bool viewerOnTheBus = false;
    QList<QStringList> handedOver;
    JournalLauncher launcher{desktop, QStringLiteral("/opt/orvalis"),
                             [this](const QStringList& arguments) {
                                 handedOver.append(arguments);
                                 return viewerOnTheBus;
                             }};
};

} // namespace

TEST_P(JournalLauncherTest, BringsTheOnlyWindowForwardOrStartsTheViewer) {
    const LauncherCase& c = GetParam();
    desktop.windows = c.found;
    EXPECT_TRUE(c.gestion ? launcher.MnuOpenGestion_Click() : launcher.MnuOpenJournal_Click());
    ASSERT_EQ(desktop.patterns, QStringList{c.gestion ? JournalLauncher::GestionPattern
                                                      : JournalLauncher::JournalPattern});
    if (c.found.size() == 1) {
        EXPECT_TRUE(desktop.started.isEmpty());
        ASSERT_EQ(desktop.shown.size(), 2);
        EXPECT_EQ(desktop.shown[0].window, c.found.first());
        EXPECT_EQ(desktop.shown[0].command, ShowCommand::Hide);
        EXPECT_EQ(desktop.shown[1].window, c.found.first());
        EXPECT_EQ(desktop.shown[1].command,
                  c.gestion ? ShowCommand::ShowNormal : ShowCommand::ShowMaximized);
    } else {
        EXPECT_TRUE(desktop.shown.isEmpty());
        ASSERT_EQ(desktop.started.size(), 1);
        EXPECT_EQ(desktop.started[0].program, QStringLiteral("/opt/orvalis/Journal"));
        EXPECT_EQ(desktop.started[0].arguments,
                  c.gestion ? QStringList{QStringLiteral("/G")} : QStringList{});
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, JournalLauncherTest,
                         ::testing::Values(LauncherCase{"JournalNone", {}, false},
                                           LauncherCase{"JournalOne", {0x400001}, false},
                                           LauncherCase{"JournalTwo", {0x400001, 0x500001}, false},
                                           LauncherCase{"GestionNone", {}, true},
                                           LauncherCase{"GestionOne", {0x600003}, true},
                                           LauncherCase{"GestionTwo", {0x600003, 0x600007}, true}),
                         [](const ::testing::TestParamInfo<LauncherCase>& info) {
                             return info.param.name;
                         });

TEST_P(JournalLauncherTest, AViewerOnTheBusTakesTheCommandLineWhateverTheWindowsFound) {
    const LauncherCase& c = GetParam();
    desktop.windows = c.found;
    viewerOnTheBus = true;
    EXPECT_TRUE(c.gestion ? launcher.MnuOpenGestion_Click() : launcher.MnuOpenJournal_Click());
    EXPECT_EQ(handedOver,
              QList<QStringList>{c.gestion ? QStringList{QStringLiteral("/G")} : QStringList{}});
    EXPECT_TRUE(desktop.patterns.isEmpty());
    EXPECT_TRUE(desktop.shown.isEmpty());
    EXPECT_TRUE(desktop.started.isEmpty());
}

TEST(JournalLauncher, ReportsAViewerThatCannotBeStarted) {
    class NoProcesses final : public Desktop {
    public:
        QList<WindowSearch::WindowId> FindWindowsByCaption(const QString&) override { return {}; }
        void ShowWindow(WindowSearch::WindowId, ShowCommand) override {}
        bool startProgram(const QString&, const QStringList&) override { return false; }
    } desktop;
    JournalLauncher launcher(desktop, QDir::tempPath(), [](const QStringList&) { return false; });
    EXPECT_FALSE(launcher.MnuOpenJournal_Click());
}
