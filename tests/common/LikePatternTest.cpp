// The wildcard match used by the caption search and the journal search.
#include "common/LikePattern.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* pattern;
    const char* text;
    Qt::CaseSensitivity cs;
    bool matches;
};

class LikeMatch : public ::testing::TestWithParam<Case> {};

TEST_P(LikeMatch, FollowsTheLikeOperator) {
    const Case& c = GetParam();
    EXPECT_EQ(LikePattern(QString::fromUtf8(c.pattern), c.cs).matches(QString::fromUtf8(c.text)),
              c.matches)
        << c.pattern << " ~ " << c.text;
}

constexpr auto Cs = Qt::CaseSensitive;
constexpr auto Ci = Qt::CaseInsensitive;

INSTANTIATE_TEST_SUITE_P(
    Wildcards, LikeMatch,
    ::testing::Values(Case{"*Orvalis - Journal de suivi*",
                           "Orvalis - Journal de suivi des communications téléphoniques", Cs, true},
                      Case{"*Orvalis - Journal de suivi*", "orvalis - journal de suivi", Cs, false},
                      Case{"*Orvalis - Journal de suivi*", "orvalis - journal de suivi", Ci, true},
                      Case{"Orvalis V3.04", "Orvalis V3.04", Cs, true},
                      Case{"Orvalis V3.04", "Orvalis V3.045", Cs, false}, Case{"*", "", Cs, true},
                      Case{"", "", Cs, true}, Case{"?", "", Cs, false},
                      Case{"a?c", "abc", Cs, true}, Case{"a?c", "ac", Cs, false},
                      Case{"*0?*", "00:01:00", Cs, true}, Case{"*0?*", "x0", Cs, false},
                      Case{"#", "7", Cs, true}, Case{"#", "a", Cs, false},
                      Case{"*#,### - ##:##:##", "1,234 - 00:05:12", Cs, true},
                      Case{"[abc]x", "bx", Cs, true}, Case{"[abc]x", "dx", Cs, false},
                      Case{"[!abc]x", "dx", Cs, true}, Case{"[!abc]x", "ax", Cs, false},
                      Case{"[a-f]9", "c9", Cs, true}, Case{"[a-f]9", "g9", Cs, false},
                      Case{"[A-F]9", "c9", Ci, true}, Case{"*ab*", "xxABxx", Ci, true},
                      Case{"*ab*", "ab", Ci, true}, Case{"*ab*", "a b", Ci, false},
                      Case{"*é*", "DÉC", Ci, true}, Case{"*a*b*c", "aXbYbc", Cs, true},
                      Case{"*a*b*c", "aXbYbcd", Cs, false}, Case{"[x", "[x", Cs, true}));

} // namespace
