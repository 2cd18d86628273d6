// The public holidays of a year, Easter-based ones included.
#include "BasOrvalis/Holidays.h"

#include <gtest/gtest.h>

namespace {

using BasOrvalis::ComputeHolidays;

struct EasterCase {
    int year;
    QDate easter;
    QDate ascension;
    QDate whitMonday;
};

class HolidaysTest : public ::testing::TestWithParam<EasterCase> {};

TEST_P(HolidaysTest, MovableHolidaysFollowEaster) {
    const EasterCase& c = GetParam();
    const BasOrvalis::Holidays days = ComputeHolidays(c.year);
    EXPECT_EQ(BasOrvalis::EasterSunday(c.year), c.easter);
    EXPECT_EQ(days[1], c.easter.addDays(1));
    EXPECT_EQ(days[4], c.ascension);
    EXPECT_EQ(days[5], c.whitMonday);
    EXPECT_EQ(days[1].dayOfWeek(), Qt::Monday);
    EXPECT_EQ(days[4].dayOfWeek(), Qt::Thursday);
    EXPECT_EQ(days[5].dayOfWeek(), Qt::Monday);
}

TEST_P(HolidaysTest, FixedHolidaysAreOfTheFourDigitYear) {
    const int year = GetParam().year;
    const BasOrvalis::Holidays days = ComputeHolidays(year);
    const QDate fixed[] = {QDate(year, 1, 1),   QDate(year, 5, 1),  QDate(year, 5, 8),
                           QDate(year, 7, 14),  QDate(year, 8, 15), QDate(year, 11, 1),
                           QDate(year, 11, 11), QDate(year, 12, 25)};
    const int indices[] = {0, 2, 3, 6, 7, 8, 9, 10};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(days[indices[i]], fixed[i]) << "index " << indices[i];
}

INSTANTIATE_TEST_SUITE_P(
    Years, HolidaysTest,
    ::testing::Values(EasterCase{1999, QDate(1999, 4, 4), QDate(1999, 5, 13), QDate(1999, 5, 24)},
                      EasterCase{2000, QDate(2000, 4, 23), QDate(2000, 6, 1), QDate(2000, 6, 12)},
                      // Easter on 31 March: its Monday is in April.
                      EasterCase{2002, QDate(2002, 3, 31), QDate(2002, 5, 9), QDate(2002, 5, 20)},
                      EasterCase{2004, QDate(2004, 4, 11), QDate(2004, 5, 20), QDate(2004, 5, 31)},
                      EasterCase{2009, QDate(2009, 4, 12), QDate(2009, 5, 21), QDate(2009, 6, 1)},
                      // The latest Easter possible, in a year past any two-digit window.
                      EasterCase{2038, QDate(2038, 4, 25), QDate(2038, 6, 3), QDate(2038, 6, 14)}),
    [](const ::testing::TestParamInfo<EasterCase>& info) {
        return std::to_string(info.param.year);
    });

TEST(IsHoliday, NationalDayOnlyOnItsDate) {
    const BasOrvalis::Holidays days = ComputeHolidays(1999);
    EXPECT_TRUE(BasOrvalis::IsHoliday(days, QDate(1999, 7, 14)));
    EXPECT_FALSE(BasOrvalis::IsHoliday(days, QDate(1999, 7, 13)));
    EXPECT_TRUE(BasOrvalis::IsHoliday(days, QDate(1999, 5, 24)));
}

TEST(IsHoliday, SundayIsNoHolidayOfItsOwn) {
    const BasOrvalis::Holidays days = ComputeHolidays(1999);
    ASSERT_EQ(QDate(1999, 6, 6).dayOfWeek(), Qt::Sunday);
    EXPECT_FALSE(BasOrvalis::IsHoliday(days, QDate(1999, 6, 6)));
}

TEST(IsHoliday, AnotherYearsDateIsNot) {
    EXPECT_FALSE(BasOrvalis::IsHoliday(ComputeHolidays(1999), QDate(2000, 12, 25)));
}

} // namespace
