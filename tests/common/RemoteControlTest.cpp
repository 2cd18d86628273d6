// The words of the remote control: read in any case, written as sent.
#include "common/RemoteControl.h"

#include <gtest/gtest.h>

using RemoteControl::Command;
using RemoteControl::Status;

TEST(RemoteControl, ReadsTheFourCommandsInAnyCaseAndNothingElse) {
    EXPECT_EQ(RemoteControl::parseCommand(QStringLiteral("START")), Command::Start);
    EXPECT_EQ(RemoteControl::parseCommand(QStringLiteral("stop")), Command::Stop);
    EXPECT_EQ(RemoteControl::parseCommand(QStringLiteral("Reduite=1")), Command::ShowCompact);
    EXPECT_EQ(RemoteControl::parseCommand(QStringLiteral("reduite=0")), Command::HideCompact);
    for (const char* other : {"", "pause", "start ", "reduite=2", "réduite=1"})
        EXPECT_FALSE(RemoteControl::parseCommand(QString::fromUtf8(other))) << other;
    for (const Command command :
         {Command::Start, Command::Stop, Command::ShowCompact, Command::HideCompact})
        EXPECT_EQ(RemoteControl::parseCommand(RemoteControl::commandText(command)), command);
}

TEST(RemoteControl, ReadsTheStatusItem) {
    EXPECT_EQ(RemoteControl::parseStatus(QStringLiteral("start")), Status::Idle);
    EXPECT_EQ(RemoteControl::parseStatus(QStringLiteral("STOP")), Status::Busy);
    EXPECT_FALSE(RemoteControl::parseStatus(QStringLiteral("TxtDDE")));
    EXPECT_EQ(RemoteControl::statusText(Status::Idle), QStringLiteral("start"));
    EXPECT_EQ(RemoteControl::statusText(Status::Busy), QStringLiteral("stop"));
}
