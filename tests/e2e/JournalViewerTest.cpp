// One log viewer per session: a second Journal hands its command line to the
// running one over the session bus and ends at once.
#include "desktop/JournalViewer.h"
#include "desktop/CaptionSearch.h"
#include "e2e/CalculatorRun.h"
#include "e2e/WaitFor.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <gtest/gtest.h>

namespace {

int windowsCaptioned(const QString& pattern) {
    return int(CaptionSearch::FindWindowsByCaption(pattern).size());
}

} // namespace

TEST(JournalViewerTest, JournalGOpensTheFileManagerInTheRunningViewer) {
    if (!CalculatorRun::sessionAvailable())
        GTEST_SKIP() << "needs an X display and a session bus";
    CalculatorRun run;
    QProcess viewer;
    run.start(viewer, CalculatorRun::builtProgram(QStringLiteral("Journal")));
    ASSERT_TRUE(viewer.waitForStarted(10000));
    ASSERT_TRUE(waitFor(
        [] {
            return QDBusConnection::sessionBus().interface()->isServiceRegistered(
                JournalViewer::ServiceName);
        },
        10000));
    ASSERT_TRUE(waitFor(
        [] { return windowsCaptioned(QStringLiteral("*Orvalis - Journal de suivi*")) == 1; },
        10000));
    EXPECT_EQ(windowsCaptioned(QStringLiteral("*Orvalis - Gestion*")), 0);

    QProcess second;
    run.start(second, CalculatorRun::builtProgram(QStringLiteral("Journal")),
              {QStringLiteral("/G")});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    EXPECT_TRUE(waitFor([] { return windowsCaptioned(QStringLiteral("*Orvalis - Gestion*")) == 1; },
                        10000));
    EXPECT_EQ(viewer.state(), QProcess::Running);
    viewer.terminate();
    EXPECT_TRUE(viewer.waitForFinished(5000));
    EXPECT_EQ(viewer.exitCode(), 0);
}
