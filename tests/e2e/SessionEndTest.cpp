// The end of a desktop session for each program: told to terminate, it ends
// normally and leaves no lock behind; killed outright, its lock is left but
// does not stop the next start. Either way the next copy runs.
#include "e2e/CalculatorRun.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class SessionEnd : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!CalculatorRun::sessionAvailable())
            GTEST_SKIP() << "needs an X display and a session bus (scripts/test)";
    }

    QString name() const { return QString::fromLatin1(GetParam()); }

    // Starts a copy and waits until it holds the program's lock.
    void startCopy(QProcess& copy) {
        run.start(copy, CalculatorRun::builtProgram(name()));
        ASSERT_TRUE(copy.waitForStarted(10000));
        ASSERT_TRUE(run.waitForLock(name(), copy.processId(), 15000))
            << "the copy runs and holds the lock";
    }

    CalculatorRun run;
};

TEST_P(SessionEnd, TerminatedCopyEndsNormallyAndLeavesNoLock) {
    QProcess first;
    ASSERT_NO_FATAL_FAILURE(startCopy(first));
    first.terminate();
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(run.lockPath(name())));

    QProcess next;
    ASSERT_NO_FATAL_FAILURE(startCopy(next));
    CalculatorRun::stop(next);
}

TEST_P(SessionEnd, LockOfAKilledCopyDoesNotStopTheNext) {
    QProcess first;
    ASSERT_NO_FATAL_FAILURE(startCopy(first));
    first.kill();
    ASSERT_TRUE(first.waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(run.lockPath(name())));

    QProcess next;
    ASSERT_NO_FATAL_FAILURE(startCopy(next));
    CalculatorRun::stop(next);
}

INSTANTIATE_TEST_SUITE_P(Programs, SessionEnd, ::testing::Values("Orvalis", "Journal", "Tavelnor"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
