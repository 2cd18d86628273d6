// The calculator's string table as the loader reads it.
#include "common/StringTable.h"
#include "BasOrvalis/MessageText.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, CaptionsAndMessages) {
    EXPECT_EQ(StringTable::text(102), QStringLiteral("Orvalis V3.04"));
    EXPECT_EQ(StringTable::text(215), QStringLiteral("Erreur Numéro par Défaut"));
    EXPECT_EQ(StringTable::text(417), StringTable::text(420));
}

TEST(StringTable, LeadingSpacesKept) {
    EXPECT_EQ(StringTable::text(406),
              QString(31, QLatin1Char(' ')) + QStringLiteral("De 22h00 à 08h00"));
}

TEST(StringTable, ContactAddresses) {
    EXPECT_TRUE(StringTable::text(501).contains(QLatin1Char('@')));
    EXPECT_TRUE(StringTable::text(502).startsWith(QStringLiteral("https://")));
}

TEST(StringTable, UnknownNumberIsEmpty) {
    EXPECT_TRUE(StringTable::text(999).isEmpty());
    EXPECT_TRUE(StringTable::text(0).isEmpty());
}

TEST(MessageText, OneOrTwoLines) {
    EXPECT_EQ(BasOrvalis::MessageText(313, 0), StringTable::text(313));
    EXPECT_EQ(BasOrvalis::MessageText(315, 415),
              QStringLiteral("Le Type de Communication ou le Numéro par défaut\n"
                             "que vous aviez paramètré n'est plus valide."));
}

TEST(MessageText, ArgumentsTakeTheirPlacesOnce) {
    // A "%2" within a file's name is no place.
    EXPECT_EQ(
        BasOrvalis::MessageText(334, 0, {QStringLiteral("/j/%2.ccm"), QStringLiteral("plein")}),
        QStringLiteral("Le journal /j/%2.ccm n'a pas pu être écrit : plein"));
}

TEST(MailOrWebTarget, MailGetsItsScheme) {
    EXPECT_EQ(BasOrvalis::MailOrWebTarget(501), QStringLiteral("mailto:") + StringTable::text(501));
    EXPECT_EQ(BasOrvalis::MailOrWebTarget(502), StringTable::text(502));
    EXPECT_TRUE(BasOrvalis::MailOrWebTarget(999).isEmpty());
}

} // namespace
