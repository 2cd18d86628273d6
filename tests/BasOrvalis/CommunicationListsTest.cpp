// The type and number lists and the stored default selection.
#include "BasOrvalis/CommunicationLists.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace BasOrvalis;

Settings AllSubscriptions() {
    Settings s;
    s.AboPrimaliste = 1;
    s.AboPrimalisteInternet = 1;
    s.AboTemporalis = 1;
    s.AboForfaitLocal = 1;
    s.AboLibreAcces = 1;
    s.TarifPerso = 1;
    return s;
}

TEST(CommunicationTypes, NoSubscription) {
    EXPECT_EQ(
        CommunicationTypes(Settings()),
        (QVector<CommunicationType>{CommunicationType::FaitesUneSelection,
                                    CommunicationType::Standard, CommunicationType::Numeris,
                                    CommunicationType::Kiosque, CommunicationType::Audiotel}));
}

TEST(CommunicationTypes, EverySubscriptionInListOrder) {
    EXPECT_EQ(
        CommunicationTypes(AllSubscriptions()),
        (QVector<CommunicationType>{
            CommunicationType::FaitesUneSelection, CommunicationType::Standard,
            CommunicationType::Primaliste, CommunicationType::PrimalisteInternet,
            CommunicationType::Temporalis, CommunicationType::ForfaitLocal,
            CommunicationType::LibreAcces, CommunicationType::Perso, CommunicationType::Numeris,
            CommunicationType::Kiosque, CommunicationType::Audiotel}));
}

TEST(CommunicationTypes, OnlyTickedFlagsCount) {
    Settings s;
    s.AboTemporalis = 2;
    s.AboForfaitLocal = 1;
    EXPECT_EQ(CommunicationTypes(s),
              (QVector<CommunicationType>{
                  CommunicationType::FaitesUneSelection, CommunicationType::Standard,
                  CommunicationType::ForfaitLocal, CommunicationType::Numeris,
                  CommunicationType::Kiosque, CommunicationType::Audiotel}));
}

struct NumberListCase {
    CommunicationType type;
    QStringList entries;
    QString caption;
};

class NumberListTest : public ::testing::TestWithParam<NumberListCase> {
protected:
    static Settings Configured() {
        Settings s = AllSubscriptions();
        s.NumerosPrimaliste[1] = QStringLiteral("01 23 45 67 89");
        s.NumerosPrimaliste[7] = QStringLiteral("08 60 00 00 00");
        s.PersoNumero = QStringLiteral("Mon fournisseur");
        return s;
    }
};

TEST_P(NumberListTest, EntriesAndCaption) {
    const NumberListCase& c = GetParam();
    EXPECT_EQ(NumberEntries(c.type, Configured()), c.entries);
    EXPECT_EQ(NumberListCaption(c.type), c.caption);
    EXPECT_EQ(NumberListEnabled(c.type), c.type != CommunicationType::FaitesUneSelection);
}

const QStringList Distances{
    QStringLiteral("Appel N° Local"), QStringLiteral("Appel N° inférieur à 25 Kms"),
    QStringLiteral("Appel N° entre 25 et 30 Kms"), QStringLiteral("Appel N° entre 30 et 50 Kms"),
    QStringLiteral("Appel N° National")};
const QString NotSet = QStringLiteral("Non Configuré");

INSTANTIATE_TEST_SUITE_P(
    EveryType, NumberListTest,
    ::testing::Values(
        NumberListCase{CommunicationType::FaitesUneSelection, {FaitesUneSelection}, "Numéro"},
        NumberListCase{CommunicationType::Standard, Distances, "Distance du Numéro"},
        NumberListCase{CommunicationType::Temporalis, Distances, "Distance du Numéro"},
        NumberListCase{CommunicationType::Primaliste,
                       {"01 23 45 67 89", NotSet, NotSet, NotSet, NotSet, NotSet},
                       "Numéros Primaliste"},
        NumberListCase{
            CommunicationType::PrimalisteInternet, {"08 60 00 00 00"}, "N° Primaliste Internet"},
        NumberListCase{CommunicationType::ForfaitLocal, {"Appel N° Local"}, "Forfait Local"},
        NumberListCase{CommunicationType::LibreAcces, {"Appel N° Local"}, "Libre @cces"},
        NumberListCase{CommunicationType::Numeris, {"Appel N° Local"}, "Numéris Itoo"},
        NumberListCase{
            CommunicationType::Perso, {"Mon fournisseur"}, "Communication Personnalisée"},
        NumberListCase{CommunicationType::Kiosque,
                       {"08-36-01-13-13", "08-36-01-14-14", "08-36-01-15-15", "08-36-01-16-16",
                        "08-36-01-17-17"},
                       "Numéros Kiosque Micro"},
        NumberListCase{CommunicationType::Audiotel,
                       {"N° débutant par 08-36-64", "N° débutant par 08-36-65",
                        "N° débutant par 08-36-66", "N° débutant par 08-36-67",
                        "N° débutant par 08-36-68", "N° débutant par 08-36-69",
                        "N° débutant par 08-36-70"},
                       "Numéros Audiotel"}));

TEST(TypeText, EachTypeIsReadBackFromItsOwnTextOnly) {
    for (const CommunicationType type : AllCommunicationTypes)
        EXPECT_EQ(TypeOfText(TypeText(type)), type) << TypeText(type).toStdString();
    EXPECT_EQ(TypeText(CommunicationType::Numeris), QStringLiteral("Numéris Itoo"));
    EXPECT_FALSE(TypeOfText(QStringLiteral("Minitel")));
    EXPECT_FALSE(TypeOfText(QStringLiteral("communication standard")));
}

TEST(DistanceBandOf, BandOfEachDistanceEntry) {
    for (int i = 0; i < Distances.size(); ++i)
        EXPECT_EQ(DistanceBandOf(Distances[i]), i + 1);
    EXPECT_EQ(DistanceBandOf(QStringLiteral("Appel Local")), 0);
    EXPECT_EQ(DistanceBandOf(QStringLiteral("appel n° local")), 0);
    EXPECT_EQ(DistanceBandOf(QString()), 0);
}

struct DefaultCase {
    const char* name;
    Settings settings;
    bool offered;
};

Settings WithDefault(Settings s, CommunicationType type, const QString& number) {
    s.TypeDefaut = type;
    s.NumeroDefaut = number;
    return s;
}

class DefaultSelectionTest : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultSelectionTest, ReportedOnceAndForgottenWhenNoLongerOffered) {
    Settings settings = GetParam().settings;
    ScriptedMessages messages{MessageAnswer::Ok};
    EXPECT_EQ(ValidateDefaultSelection(settings, messages), GetParam().offered);
    if (GetParam().offered) {
        EXPECT_TRUE(messages.shown.isEmpty());
        EXPECT_EQ(settings.TypeDefaut, GetParam().settings.TypeDefaut);
        EXPECT_EQ(settings.NumeroDefaut, GetParam().settings.NumeroDefaut);
        return;
    }
    EXPECT_EQ(messages.shown, (QVector<ShownMessage>{{215, MessageStyle::Exclamation, 315, 415}}));
    EXPECT_EQ(settings.TypeDefaut, CommunicationType::FaitesUneSelection);
    EXPECT_EQ(settings.NumeroDefaut, FaitesUneSelection);
}

Settings PrimalisteNumberOne(int held) {
    Settings s;
    s.AboPrimaliste = held;
    s.NumerosPrimaliste[1] = QStringLiteral("01 23 45 67 89");
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    StoredDefaults, DefaultSelectionTest,
    ::testing::Values(
        DefaultCase{"NothingChosen", Settings(), true},
        DefaultCase{"StandardLocal",
                    WithDefault(Settings(), CommunicationType::Standard, "Appel N° Local"), true},
        DefaultCase{
            "PrimalisteHeld",
            WithDefault(PrimalisteNumberOne(1), CommunicationType::Primaliste, "01 23 45 67 89"),
            true},
        DefaultCase{
            "PrimalisteDropped",
            WithDefault(PrimalisteNumberOne(0), CommunicationType::Primaliste, "01 23 45 67 89"),
            false},
        DefaultCase{
            "PrimalisteNumberChanged",
            WithDefault(PrimalisteNumberOne(1), CommunicationType::Primaliste, "01 00 00 00 00"),
            false},
        DefaultCase{"NumberOfAnotherType",
                    WithDefault(Settings(), CommunicationType::Kiosque, "Appel N° Local"), false}),
    [](const ::testing::TestParamInfo<DefaultCase>& info) { return info.param.name; });

} // namespace
