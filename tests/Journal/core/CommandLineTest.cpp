// The command line: nothing, "/G" in any case, or refused.
#include "core/CommandLine.h"

#include <gtest/gtest.h>

using BasJournal::ParseCommandLine;
using BasJournal::StartCommand;

namespace {

struct CommandCase {
    QStringList arguments;
    StartCommand expected;
};

class CommandLineTest : public ::testing::TestWithParam<CommandCase> {};

} // namespace

TEST_P(CommandLineTest, ChoosesTheStart) {
    EXPECT_EQ(ParseCommandLine(GetParam().arguments), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineTest,
                         ::testing::Values(CommandCase{{}, StartCommand::CurrentMonth},
                                           CommandCase{{"/G"}, StartCommand::FileManager},
                                           CommandCase{{"/g"}, StartCommand::FileManager},
                                           CommandCase{{"/G", "x"}, StartCommand::Unknown},
                                           CommandCase{{"/X"}, StartCommand::Unknown},
                                           CommandCase{{"déc.2026.ccm"}, StartCommand::Unknown},
                                           CommandCase{{"G"}, StartCommand::Unknown}));
