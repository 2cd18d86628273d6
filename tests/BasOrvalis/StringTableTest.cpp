// The calculator's string table as the loader reads it.
#include "StringTable.h"

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

} // namespace
