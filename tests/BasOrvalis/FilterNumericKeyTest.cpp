// The keys a numeric input box lets through.
#include "BasOrvalis/FilterNumericKey.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

namespace {

using BasOrvalis::FilterNumericKey;

TEST(FilterNumericKey, PassesDigitsSeparatorsAndEditingKeys) {
    for (const char key : QByteArray("0123456789,-.: \b\t\n\r"))
        EXPECT_EQ(FilterNumericKey(key), key) << "key " << int(key);
}

TEST(FilterNumericKey, DropsEverythingElse) {
    for (const int key :
         {int('a'), int('Z'), int('+'), int('/'), int(';'), int('e'), 0x1B, 127, 0xE9})
        EXPECT_EQ(FilterNumericKey(key), 0) << "key " << key;
}

TEST(FilterNumericKey, TypedValuesPassKeyByKey) {
    for (const QString& typed : {QStringLiteral("12,5"), QStringLiteral("01:30:00")}) {
        for (const QChar c : typed)
            EXPECT_EQ(FilterNumericKey(c.unicode()), c.unicode());
    }
}

} // namespace
