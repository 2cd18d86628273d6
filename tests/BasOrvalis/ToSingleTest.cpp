// Number texts read under either decimal separator.
#include "BasOrvalis/ToSingle.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

struct ToSingleCase {
    const char* text;
    float expected;
};

const ToSingleCase Cases[] = {
    {"12,50", 12.5f}, {"12.50", 12.5f},  {".5", 0.f},       {"abc", 0.f},   {"3", 3.f},
    {"", 0.f},        {"0,742", 0.742f}, {"0.742", 0.742f}, {"1.5.3", 0.f}, {"1,2,3", 0.f},
    {"-2,5", -2.5f},  {"180", 180.f},    {"12,abc", 0.f},   {"1e39", 0.f},  {"1,5e39", 0.f},
    {"nan", 0.f},     {"inf", 0.f},      {"-inf", 0.f},
};

class ToSingleTest : public ::testing::TestWithParam<std::tuple<QLocale::Language, ToSingleCase>> {
};

TEST_P(ToSingleTest, ReadsEitherSeparator) {
    const auto& [language, testCase] = GetParam();
    const QLocale locale(language,
                         language == QLocale::French ? QLocale::France : QLocale::UnitedStates);
    EXPECT_FLOAT_EQ(BasOrvalis::ToSingle(QString::fromUtf8(testCase.text), locale),
                    testCase.expected)
        << "text \"" << testCase.text << "\" under " << locale.name().toStdString();
}

using ToSingleParam = ::testing::TestParamInfo<ToSingleTest::ParamType>;

std::string CaseName(const ToSingleParam& info) {
    const QLocale::Language language = std::get<0>(info.param);
    std::string name = language == QLocale::French ? "fr_" : "en_";
    for (const char c : std::string(std::get<1>(info.param).text))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, ToSingleTest,
                         ::testing::Combine(::testing::Values(QLocale::French, QLocale::English),
                                            ::testing::ValuesIn(Cases)),
                         CaseName);

TEST(ToSingle, SeparatorInFirstPlaceIsNoSeparator) {
    // A leading "," is left to the locale's reading: a French decimal comma.
    EXPECT_FLOAT_EQ(BasOrvalis::ToSingle(QStringLiteral(",5"), QLocale(QLocale::French)), 0.5f);
}

TEST(ToSingle, TextWithoutSeparatorKeepsThreeDecimalsAtMost) {
    const QLocale french(QLocale::French);
    EXPECT_FLOAT_EQ(BasOrvalis::ToSingle(QStringLiteral(",12345"), french), 0.123f);
}

TEST(ToSingle, UsesTheDefaultLocale) {
    // The test main pins the French locale.
    EXPECT_FLOAT_EQ(BasOrvalis::ToSingle(QStringLiteral("0.28")), 0.28f);
    EXPECT_FLOAT_EQ(BasOrvalis::ToSingle(QStringLiteral("0,28")), 0.28f);
}

} // namespace
