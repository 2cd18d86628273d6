// Amounts and durations read back from the texts of log fields.
#include "common/LoggedFields.h"

#include <gtest/gtest.h>

#include <optional>

using LoggedFields::readAmount;
using LoggedFields::readDurationSeconds;

namespace {

struct AmountCase {
    const char* text;
    std::optional<double> value;
};

class Amounts : public ::testing::TestWithParam<AmountCase> {};

struct DurationCase {
    const char* text;
    std::optional<int> seconds;
};

class Durations : public ::testing::TestWithParam<DurationCase> {};

} // namespace

TEST_P(Amounts, ReadWithEitherSeparator) {
    EXPECT_EQ(readAmount(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Amounts,
    ::testing::Values(AmountCase{"0,74    ", 0.74}, AmountCase{"12.50", 12.5},
                      AmountCase{"-0,05", -0.05}, AmountCase{"3", 3.0},
                      AmountCase{"1234,567", 1234.567}, AmountCase{"#.##", std::nullopt},
                      AmountCase{"        ", std::nullopt}, AmountCase{"0,", std::nullopt},
                      AmountCase{"1,2,3", std::nullopt}, AmountCase{"1 000,00", std::nullopt}));

TEST_P(Durations, ReadAsSeconds) {
    EXPECT_EQ(readDurationSeconds(QString::fromUtf8(GetParam().text)), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Durations,
    ::testing::Values(DurationCase{"00:01:05", 65}, DurationCase{"0:00:07", 7},
                      DurationCase{"125:00:00", 450000}, DurationCase{"##:##:##", std::nullopt},
                      DurationCase{"00:60:00", std::nullopt}, DurationCase{"00:1:05", std::nullopt},
                      DurationCase{"00:01", std::nullopt}, DurationCase{"", std::nullopt}));
