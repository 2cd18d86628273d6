// The string table resource shared by the programs.
#include "common/StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, GivesTheCaptionsAndMessagesByNumber) {
    EXPECT_EQ(StringTable::text(102), QStringLiteral("Orvalis V3.04"));
    EXPECT_TRUE(StringTable::text(99999).isEmpty());
}

} // namespace
