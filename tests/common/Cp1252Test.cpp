// Windows-1252 conversion of the log texts.
#include "common/Cp1252.h"

#include <gtest/gtest.h>

namespace {

struct Sample {
    const char16_t* text;
    unsigned char byte;
};

class Cp1252Char : public ::testing::TestWithParam<Sample> {};

TEST_P(Cp1252Char, IsOneByteBothWays) {
    const QString text = QString::fromUtf16(GetParam().text);
    const QByteArray bytes = Cp1252::encode(text);
    ASSERT_EQ(bytes.size(), 1);
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(0)), GetParam().byte);
    EXPECT_EQ(Cp1252::decode(bytes), text);
}

INSTANTIATE_TEST_SUITE_P(LogTexts, Cp1252Char,
                         ::testing::Values(Sample{u"é", 0xE9}, Sample{u"°", 0xB0},
                                           Sample{u"@", 0x40}, Sample{u"€", 0x80},
                                           Sample{u"œ", 0x9C}, Sample{u"É", 0xC9},
                                           Sample{u"’", 0x92}));

TEST(Cp1252, CharacterOutsideTheCodePageBecomesQuestionMark) {
    EXPECT_EQ(Cp1252::encode(QStringLiteral("a→b")), QByteArray("a?b"));
}

TEST(Cp1252, EveryByteDecodesAndEncodesBack) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(Cp1252::encode(Cp1252::decode(all)), all);
}

} // namespace
