// The focus checks of the configuration boxes and the reset lists.
#include "config/ConfigChecks.h"
#include "config/RazLists.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

struct NumberCase {
    const char* text;
    QLocale::Language language;
    bool accepted;
};

class IsLocaleNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(IsLocaleNumberTest, OnlyTheLocaleSeparator) {
    const NumberCase& c = GetParam();
    const QLocale locale(c.language,
                         c.language == QLocale::French ? QLocale::France : QLocale::UnitedStates);
    EXPECT_EQ(ConfigChecks::IsLocaleNumber(QString::fromUtf8(c.text), locale), c.accepted)
        << c.text;
}

INSTANTIATE_TEST_SUITE_P(Separators, IsLocaleNumberTest,
                         ::testing::Values(NumberCase{"0,742", QLocale::French, true},
                                           NumberCase{"0.5", QLocale::French, false},
                                           NumberCase{"180", QLocale::French, true},
                                           NumberCase{"-1,5", QLocale::French, true},
                                           NumberCase{"", QLocale::French, false},
                                           NumberCase{"1,2,3", QLocale::French, false},
                                           NumberCase{"12:30", QLocale::French, false},
                                           NumberCase{"0.5", QLocale::English, true},
                                           NumberCase{"0,5", QLocale::English, false},
                                           NumberCase{"1,000", QLocale::English, false}));

struct TimeCase {
    const char* text;
    bool valid;
    QTime time;
};

class ReadTimeTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(ReadTimeTest, HoursMinutesSeconds) {
    const TimeCase& c = GetParam();
    const auto time = ConfigChecks::ReadTime(QString::fromUtf8(c.text));
    ASSERT_EQ(time.has_value(), c.valid) << c.text;
    if (c.valid) {
        EXPECT_EQ(*time, c.time);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadTimeTest,
                         ::testing::Values(TimeCase{"05:48:20", true, QTime(5, 48, 20)},
                                           TimeCase{"5:48:20", true, QTime(5, 48, 20)},
                                           TimeCase{"20:00:00", true, QTime(20, 0, 0)},
                                           TimeCase{"25:00:00", false, {}},
                                           TimeCase{"12:60:00", false, {}},
                                           TimeCase{"12:00:61", false, {}},
                                           TimeCase{"1,5", false, {}}, TimeCase{"::", false, {}},
                                           TimeCase{"", false, {}}));

TEST(RazLists, DatesOfEachPeriod) {
    EXPECT_EQ(RazLists::Dates(QStringLiteral("Faites une sélection")),
              QStringList{QStringLiteral("Faites une sélection")});
    const QStringList mensuelle = RazLists::Dates(QStringLiteral("Mensuelle"));
    ASSERT_EQ(mensuelle.size(), 7);
    EXPECT_EQ(mensuelle[1], QStringLiteral("Le 1er du mois"));
    EXPECT_EQ(mensuelle[6], QStringLiteral("Le 25 du mois"));
    const QStringList bimestrielle = RazLists::Dates(QStringLiteral("Bimestrielle"));
    ASSERT_EQ(bimestrielle.size(), 13);
    EXPECT_EQ(bimestrielle[1], QStringLiteral("Le 1er des mois Pair"));
    EXPECT_EQ(bimestrielle[2], QStringLiteral("Le 1er des mois Impair"));
    EXPECT_EQ(bimestrielle[12], QStringLiteral("Le 25 des mois Impair"));
}

struct SelectionCase {
    int razAuto;
    const char* storedDate;
    const char* periode;
    const char* selected;
};

class DateSelectionneeTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(DateSelectionneeTest, StoredDateWhenOfferedAndOn) {
    const SelectionCase& c = GetParam();
    BasOrvalis::Settings settings;
    settings.RazAutoTotal = c.razAuto;
    settings.RazDate = QString::fromUtf8(c.storedDate);
    EXPECT_EQ(RazLists::DateSelectionnee(QString::fromUtf8(c.periode), settings),
              QString::fromUtf8(c.selected));
}

INSTANTIATE_TEST_SUITE_P(
    Periods, DateSelectionneeTest,
    ::testing::Values(SelectionCase{1, "Le 5 du mois", "Mensuelle", "Le 5 du mois"},
                      SelectionCase{1, "Le 5 du mois", "Bimestrielle", "Faites une sélection"},
                      SelectionCase{1, "Le 10 des mois Pair", "Bimestrielle",
                                    "Le 10 des mois Pair"},
                      SelectionCase{0, "Le 5 du mois", "Mensuelle", "Faites une sélection"},
                      SelectionCase{1, "", "Faites une sélection", "Faites une sélection"}));

} // namespace
