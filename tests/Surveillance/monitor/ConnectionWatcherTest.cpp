// The watcher's ticks: only a change of the link acts; on a connection the
// calculator is found or started and, when it says it is idle, told to
// start a call and open its compact window as the options say; on a
// disconnection a calculator found busy is told "reduite=0", then "Stop".
// A connection that the options would time but that is not is told, with
// the reason.
#include "Surveillance/MonitorRig.h"

#include <gtest/gtest.h>

using RemoteControl::Command;
using RemoteControl::Status;

namespace {

class ConnectionWatcherTest : public ::testing::Test {
protected:
    // "-1" or "0" for: open the calculator, start a call, compact window.
    void setOptions(const char* startOrvalis, const char* startCalcul, const char* startReduit) {
        rig.storeOption("StartOrvalis", startOrvalis);
        rig.storeOption("StartCalcul", startCalcul);
        rig.storeOption("StartReduit", startReduit);
        rig.options.load();
    }
    // Monitoring starts on a link already up: its first tick is a change.
    void startConnected() {
        rig.setLink(true);
        rig.watcher.start();
    }
    QList<Command> linkChange(bool up) {
        rig.client.commands.clear();
        rig.setLink(up);
        rig.watcher.Timer1_Timer();
        return rig.client.commands;
    }

    MonitorRig rig;
};

struct DriveCase {
    const char* name;
    const char* startOrvalis;
    const char* startCalcul;
    const char* startReduit;
    std::optional<Status> statusOnUp; // nothing: the calculator does not answer
    std::optional<Status> statusOnDown;
    QList<Command> onUp;
    QList<Command> onDown;
};

class DriveTest : public ConnectionWatcherTest, public ::testing::WithParamInterface<DriveCase> {};

} // namespace

TEST_P(DriveTest, DrivesTheCalculatorOnEachChangeOfTheLink) {
    const DriveCase& c = GetParam();
    setOptions(c.startOrvalis, c.startCalcul, c.startReduit);
    rig.runCalculator(Status::Idle);
    rig.client.status = c.statusOnUp;
    startConnected();
    EXPECT_EQ(rig.watcher.state(), TrayState::Connected);
    EXPECT_EQ(rig.client.commands, c.onUp);
    // Found and brought up only when the options open it.
    EXPECT_EQ(rig.desktop.shown.size(), c.startOrvalis == QLatin1String("-1") ? 2 : 0);
    EXPECT_TRUE(linkChange(true).isEmpty()) << "no change, nothing done";

    rig.client.status = c.statusOnDown;
    EXPECT_EQ(linkChange(false), c.onDown);
    EXPECT_EQ(rig.watcher.state(), TrayState::Disconnected);
    EXPECT_TRUE(rig.desktop.started.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Options, DriveTest,
    ::testing::Values(DriveCase{"OptionsOff", "0", "0", "0", Status::Idle, Status::Busy, {}, {}},
                      DriveCase{"OpenOnly", "-1", "0", "0", Status::Idle, Status::Idle, {}, {}},
                      DriveCase{"Call",
                                "-1",
                                "-1",
                                "0",
                                Status::Idle,
                                Status::Busy,
                                {Command::Start},
                                {Command::HideCompact, Command::Stop}},
                      DriveCase{"CallInCompactWindow",
                                "-1",
                                "-1",
                                "-1",
                                Status::Idle,
                                Status::Busy,
                                {Command::Start, Command::ShowCompact},
                                {Command::HideCompact, Command::Stop}},
                      DriveCase{"AlreadyBusy",
                                "-1",
                                "-1",
                                "-1",
                                Status::Busy,
                                Status::Busy,
                                {},
                                {Command::HideCompact, Command::Stop}},
                      DriveCase{"NoAnswer", "-1", "-1", "-1", std::nullopt, std::nullopt, {}, {}}),
    [](const ::testing::TestParamInfo<DriveCase>& info) { return info.param.name; });

TEST_F(ConnectionWatcherTest, ACalculatorJustStartedIsToldOnlyOnceItIsOnTheBus) {
    setOptions("-1", "-1", "-1");
    startConnected();
    EXPECT_EQ(rig.desktop.started, QStringList{MonitorRig::ProgramFolder + "/Orvalis"});
    EXPECT_TRUE(rig.client.commands.isEmpty());
    rig.client.endWait(true);
    EXPECT_EQ(rig.client.commands, (QList<Command>{Command::Start, Command::ShowCompact}));
}

TEST_F(ConnectionWatcherTest, ACalculatorThatComesTooLateOrNeverIsToldNothing) {
    setOptions("-1", "-1", "-1");
    startConnected();
    rig.client.endWait(false);
    EXPECT_TRUE(rig.client.commands.isEmpty());
    // Not running when the link drops: nothing started, nothing sent.
    rig.desktop.started.clear();
    EXPECT_TRUE(linkChange(false).isEmpty());
    EXPECT_TRUE(rig.desktop.started.isEmpty());

    // Up and down again before the calculator comes.
    linkChange(true);
    linkChange(false);
    rig.client.endWait(true);
    EXPECT_TRUE(rig.client.commands.isEmpty());
}

namespace {

// A connection comes up with a call asked for (or only the opening of the
// calculator, `startCalcul` "0"); what the calculator does then; the
// reasons told for a connection not timed, once two ticks have passed.
struct NotTimedCase {
    const char* name;
    const char* startCalcul;
    bool running;
    bool starts;                      // a calculator not running can be started
    bool comesUp;                     // one started takes its name on the bus
    std::optional<Status> statusOnUp; // nothing: it does not answer
    std::optional<Status> statusAfterTicks;
    QList<NotTimedReason> told;
};

class NotTimedTest : public ConnectionWatcherTest,
                     public ::testing::WithParamInterface<NotTimedCase> {};

} // namespace

TEST_P(NotTimedTest, AConnectionNotTimedIsToldWithItsReason) {
    const NotTimedCase& c = GetParam();
    setOptions("-1", c.startCalcul, "0");
    rig.client.running = c.running;
    rig.client.status = c.statusOnUp;
    rig.desktop.starts = c.starts;
    QList<NotTimedReason> told;
    QObject::connect(&rig.watcher, &ConnectionWatcher::notTimed,
                     [&told](NotTimedReason reason) { told.append(reason); });
    startConnected();
    if (rig.client.waiting)
        rig.client.endWait(c.comesUp);
    rig.client.status = c.statusAfterTicks;
    for (int tick = 0; tick < ConnectionWatcher::CallCheckTicks; ++tick)
        rig.watcher.Timer1_Timer();
    EXPECT_EQ(told, c.told);
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, NotTimedTest,
    ::testing::Values(
        NotTimedCase{"Timed", "-1", true, true, true, Status::Idle, Status::Busy, {}},
        NotTimedCase{"AlreadyBusy", "-1", true, true, true, Status::Busy, Status::Busy, {}},
        NotTimedCase{"CannotStart",
                     "-1",
                     false,
                     false,
                     false,
                     Status::Idle,
                     Status::Idle,
                     {NotTimedReason::CannotStart}},
        NotTimedCase{
            "CannotStartNoCallAsked", "0", false, false, false, Status::Idle, Status::Idle, {}},
        NotTimedCase{"NotOnBus",
                     "-1",
                     false,
                     true,
                     false,
                     Status::Idle,
                     Status::Idle,
                     {NotTimedReason::NotOnBus}},
        NotTimedCase{"NoAnswer",
                     "-1",
                     true,
                     true,
                     true,
                     std::nullopt,
                     std::nullopt,
                     {NotTimedReason::NoAnswer}},
        NotTimedCase{"Refused",
                     "-1",
                     false,
                     true,
                     true,
                     Status::Idle,
                     Status::Idle,
                     {NotTimedReason::Refused}}),
    [](const ::testing::TestParamInfo<NotTimedCase>& info) { return info.param.name; });
