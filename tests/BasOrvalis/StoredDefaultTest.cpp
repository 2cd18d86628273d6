// The stored default selection as another program reads it: configured only
// when the calculator's start would select it without a warning.
#include "BasOrvalis/StoredDefault.h"
#include "BasOrvalis/SettingsKeys.h"
#include "support/TemporaryStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace BasOrvalis;

struct StoredCase {
    const char* name;
    // Section "Parametres" unless the key is a subscription of "Services FT".
    std::vector<std::pair<QString, QString>> keys;
    CommunicationType type;
    bool configured;
};

class StoredDefaultTest : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredDefaultTest, ReadAndCheckedAsTheCalculatorStarts) {
    TemporaryStore temporary;
    for (const auto& [key, text] : GetParam().keys) {
        const QString& section = key.startsWith(QStringLiteral("Abonnement"))
                                     ? Sections::ServicesFt
                                     : Sections::Parametres;
        temporary.store().write(section, key, text);
    }
    const StoredDefault stored = ReadStoredDefault(temporary.store());
    EXPECT_EQ(stored.type, GetParam().type);
    EXPECT_EQ(stored.configured, GetParam().configured);
}

const QString Standard = QStringLiteral("Communication standard");
const QString Local = QStringLiteral("Appel N° Local");

INSTANTIATE_TEST_SUITE_P(
    Stores, StoredDefaultTest,
    ::testing::Values(
        StoredCase{"Empty", {}, CommunicationType::FaitesUneSelection, false},
        StoredCase{"StandardLocal",
                   {{Keys::TypeDefaut, Standard}, {Keys::NumeroDefaut, Local}},
                   CommunicationType::Standard,
                   true},
        StoredCase{"NumberNotChosen",
                   {{Keys::TypeDefaut, Standard}, {Keys::NumeroDefaut, FaitesUneSelection}},
                   CommunicationType::Standard,
                   false},
        StoredCase{"SubscriptionDropped",
                   {{Keys::TypeDefaut, QStringLiteral("Libre @cces")}, {Keys::NumeroDefaut, Local}},
                   CommunicationType::LibreAcces,
                   false},
        StoredCase{"SubscriptionHeld",
                   {{Keys::TypeDefaut, QStringLiteral("Libre @cces")},
                    {Keys::NumeroDefaut, Local},
                    {Keys::AboLibreAcces, QStringLiteral("1")}},
                   CommunicationType::LibreAcces,
                   true},
        StoredCase{"PrimalisteNumberUnset",
                   {{Keys::TypeDefaut, QStringLiteral("Primaliste")},
                    {Keys::NumeroDefaut, Numbers::NonConfigure},
                    {Keys::AboPrimaliste, QStringLiteral("1")}},
                   CommunicationType::Primaliste,
                   false},
        StoredCase{"NoSuchType",
                   {{Keys::TypeDefaut, QStringLiteral("Minitel")}, {Keys::NumeroDefaut, Local}},
                   CommunicationType::FaitesUneSelection,
                   false}),
    [](const ::testing::TestParamInfo<StoredCase>& info) { return info.param.name; });

} // namespace
