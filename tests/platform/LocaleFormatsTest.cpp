// Regional formats under a French and an American locale.
#include "platform/LocaleFormats.h"

#include <gtest/gtest.h>

namespace {

const QLocale French(QLocale::French, QLocale::France);
const QLocale American(QLocale::English, QLocale::UnitedStates);

TEST(LocaleFormats, ShortDateHasATwoDigitYear) {
    const QDate date(2026, 12, 8);
    EXPECT_EQ(LocaleFormats::shortDate(date, French), QStringLiteral("08/12/26"));
    EXPECT_EQ(LocaleFormats::shortDate(date, American), QStringLiteral("12/8/26"));
}

TEST(LocaleFormats, ShortDateReadsBackWithTheCenturyWindow) {
    EXPECT_EQ(LocaleFormats::readShortDate(QStringLiteral("08/12/26"), French), QDate(2026, 12, 8));
    EXPECT_EQ(LocaleFormats::readShortDate(QStringLiteral("01/01/00"), French), QDate(2000, 1, 1));
    EXPECT_EQ(LocaleFormats::readShortDate(QStringLiteral("30/12/99"), French),
              QDate(1999, 12, 30));
    EXPECT_EQ(LocaleFormats::readShortDate(QStringLiteral("31/12/29"), French),
              QDate(2029, 12, 31));
    EXPECT_EQ(LocaleFormats::readShortDate(QStringLiteral("01/01/30"), French), QDate(1930, 1, 1));
    EXPECT_EQ(LocaleFormats::readShortDate(QStringLiteral("30/12/1899"), French),
              QDate(1899, 12, 30));
    EXPECT_FALSE(LocaleFormats::readShortDate(QStringLiteral("abc"), French).isValid());
    EXPECT_EQ(LocaleFormats::readShortDate(QStringLiteral("12/8/26"), American),
              QDate(2026, 12, 8));
}

TEST(LocaleFormats, LongTimeHasNoTimeZone) {
    EXPECT_EQ(LocaleFormats::longTime(QTime(9, 5, 7), French), QStringLiteral("09:05:07"));
    EXPECT_FALSE(LocaleFormats::longTime(QTime(9, 5, 7), American).contains(QLatin1String("UTC")));
}

TEST(LocaleFormats, MonthAbbreviationAndSeparator) {
    EXPECT_EQ(LocaleFormats::monthAbbreviation(QDate(2026, 12, 1), French), QStringLiteral("déc."));
    EXPECT_EQ(LocaleFormats::monthAbbreviation(QDate(2026, 12, 1), American),
              QStringLiteral("Dec"));
    EXPECT_EQ(LocaleFormats::decimalSeparator(French), QLatin1Char(','));
    EXPECT_EQ(LocaleFormats::decimalSeparator(American), QLatin1Char('.'));
}

TEST(LocaleFormats, NumbersUseTheLocaleSeparatorWithoutGrouping) {
    EXPECT_EQ(LocaleFormats::plainNumber(0.742f, French), QStringLiteral("0,742"));
    EXPECT_EQ(LocaleFormats::plainNumber(0.742f, American), QStringLiteral("0.742"));
    EXPECT_EQ(LocaleFormats::plainNumber(12.5f, French), QStringLiteral("12,5"));
    EXPECT_EQ(LocaleFormats::plainNumber(180.f, French), QStringLiteral("180"));
    EXPECT_EQ(LocaleFormats::plainNumber(12345.67f, French), QStringLiteral("12345,67"));
    EXPECT_EQ(LocaleFormats::fixed(1234.5, 3, French), QStringLiteral("1234,500"));
    EXPECT_EQ(LocaleFormats::fixed(2.702, 2, American), QStringLiteral("2.70"));
}

TEST(LocaleFormats, ClockTextRoundTrips) {
    EXPECT_EQ(LocaleFormats::clockText(QTime(6, 0, 0)), QStringLiteral("06:00:00"));
    EXPECT_EQ(LocaleFormats::readClockText(QStringLiteral("05:48:20")), QTime(5, 48, 20));
    EXPECT_EQ(LocaleFormats::readClockText(QStringLiteral("5:48")), QTime(5, 48, 0));
    EXPECT_FALSE(LocaleFormats::readClockText(QStringLiteral("25:00:00")).isValid());
    EXPECT_FALSE(LocaleFormats::readClockText(QStringLiteral("12,5")).isValid());
    EXPECT_FALSE(LocaleFormats::readClockText(QString()).isValid());
}

} // namespace
