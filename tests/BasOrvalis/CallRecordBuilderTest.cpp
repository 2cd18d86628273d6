// The records the calculator logs: descriptions, fields, refusals, and the
// reset record byte by byte.
#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/CallDescription.h"
#include "BasOrvalis/CommunicationLists.h"
#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/MoneyTexts.h"
#include "common/Cp1252.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace BasOrvalis;

const QString PersoNumero = QStringLiteral("Mon fournisseur");

struct DescriptionCase {
    CommunicationType type;
    QString number;
    QString description;
};

class CallDescriptionTest : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(CallDescriptionTest, TypeWordAndNumberLabel) {
    const DescriptionCase& c = GetParam();
    EXPECT_EQ(CallDescription(c.type, c.number, PersoNumero), c.description);
}

// As the log holds it, cut or padded to its field.
TEST_P(CallDescriptionTest, ReadBackFromTheLog) {
    const DescriptionCase& c = GetParam();
    const DescribedCall read = ReadCallDescription(c.description.leftJustified(30, u' ', true));
    EXPECT_EQ(read.type, c.type);
    EXPECT_EQ(read.band, DistanceBandOf(c.number));
}

TEST(ReadCallDescription, ACutLabelNamesItsBandAndAResetNoType) {
    const QString cut =
        CallDescription(CommunicationType::Numeris, Numbers::DistanceEntries().at(1), QString())
            .left(30);
    EXPECT_EQ(ReadCallDescription(cut).band, 2);
    EXPECT_EQ(ReadCallDescription(QStringLiteral("Numéris Itoo: Appel N° ")).band, 0);
    EXPECT_FALSE(ReadCallDescription(BuildResetRecord(QDate(1999, 3, 2)).Libelle).type);
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, CallDescriptionTest,
    ::testing::Values(
        DescriptionCase{CommunicationType::Standard, "Appel N° Local", "Standard: Appel Local"},
        DescriptionCase{CommunicationType::Standard, "Appel N° inférieur à 25 Kms",
                        "Standard: Appel d<25 Kms"},
        DescriptionCase{CommunicationType::Standard, "Appel N° entre 25 et 30 Kms",
                        "Standard: Appel 30<d<52 Kms"},
        DescriptionCase{CommunicationType::Temporalis, "Appel N° entre 30 et 50 Kms",
                        "Temporalis: Appel 52<d<100 Kms"},
        DescriptionCase{CommunicationType::Temporalis, "Appel N° National",
                        "Temporalis: Appel National"},
        DescriptionCase{CommunicationType::Primaliste, "01 23 45 67 89",
                        "Primaliste: 01 23 45 67 89"},
        DescriptionCase{CommunicationType::PrimalisteInternet, "08 60 00 00 00",
                        "Primaliste NET: 08 60 00 00 00"},
        DescriptionCase{CommunicationType::ForfaitLocal, "Appel N° Local",
                        "Forfait Local: Appel N° Local"},
        DescriptionCase{CommunicationType::LibreAcces, "Appel N° Local",
                        "Libre @cces: Appel N° Local"},
        DescriptionCase{CommunicationType::Numeris, "Appel N° Local",
                        "Numéris Itoo: Appel N° Local"},
        DescriptionCase{CommunicationType::Kiosque, "08-36-01-15-15",
                        "Kiosque Micro: 08-36-01-15-15"},
        DescriptionCase{CommunicationType::Audiotel, "N° débutant par 08-36-64",
                        "Audiotel: 08-36-64-XX-XX"},
        DescriptionCase{CommunicationType::Audiotel, "N° débutant par 08-36-70",
                        "Audiotel: 08-36-70-XX-XX"},
        // A personalised call is named after its own number label.
        DescriptionCase{CommunicationType::Perso, "ignored", "Perso: Mon fournisseur"}));

class CallRecordTest : public ::testing::Test {
protected:
    CallRecordTest() {
        m_call.type = CommunicationType::Standard;
        m_call.number = Numbers::AppelLocal;
        m_call.start = QDateTime(QDate(1999, 3, 2), QTime(10, 0, 0));
        m_call.end = QDateTime(QDate(1999, 3, 2), QTime(10, 10, 0));
        m_call.duration = QTime(0, 10);
        m_call.cost = 2.702f;
        m_call.total = 14.254f;
    }
    CallSummary m_call;
};

TEST_F(CallRecordTest, FieldsOfALocalCall) {
    const std::optional<CallRecord> record = BuildCallRecord(m_call);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Date, QStringLiteral("02/03/99"));
    EXPECT_EQ(record->Libelle, QStringLiteral("Standard: Appel Local"));
    EXPECT_EQ(record->HeureDebut, QStringLiteral("10:00:00"));
    EXPECT_EQ(record->HeureFin, QStringLiteral("10:10:00"));
    EXPECT_EQ(record->Duree, QStringLiteral("00:10:00"));
    EXPECT_EQ(record->Cout, QStringLiteral("2,70"));
    EXPECT_EQ(record->Total, QStringLiteral("14,25"));
}

// The cost as displayed, three decimals, rounded half away from zero: the
// single-precision 0.445 lies just below 0.445 and is still logged 0,45.
TEST_F(CallRecordTest, CostIsTheDisplayedCostRoundedToCentimes) {
    const struct {
        float cost;
        const char* display;
        const char* logged;
    } rows[] = {{0.445f, "0,445", "0,45"}, {3.425f, "3,425", "3,43"},  {7.865f, "7,865", "7,87"},
                {1.726f, "1,726", "1,73"}, {0.4449f, "0,445", "0,45"}, {0.4444f, "0,444", "0,44"}};
    for (const auto& row : rows) {
        m_call.cost = row.cost;
        EXPECT_EQ(CostDisplayText(row.cost), QString::fromUtf8(row.display));
        EXPECT_EQ(BuildCallRecord(m_call)->Cout, QString::fromUtf8(row.logged));
    }
    m_call.cost = 3.425f;
    EXPECT_EQ(BuildCallRecord(m_call, QLocale(QLocale::English))->Cout, QStringLiteral("3.43"));
}

TEST_F(CallRecordTest, AmountsThatAreNoFiniteNumbersAreLoggedAsZero) {
    for (const float amount :
         {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
        m_call.cost = amount;
        m_call.total = -amount;
        const std::optional<CallRecord> record = BuildCallRecord(m_call);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->Cout, QStringLiteral("0,00"));
        EXPECT_EQ(record->Total, QStringLiteral("0,00"));
    }
}

// "2:05:07 PM" does not fit its 8 characters: the 24-hour time does.
TEST_F(CallRecordTest, TimesTooLongForTheirFieldAreWrittenIn24Hours) {
    m_call.start = QDateTime(QDate(1999, 3, 2), QTime(14, 5, 7));
    m_call.end = QDateTime(QDate(1999, 3, 2), QTime(9, 15, 0));
    const CallRecord record =
        *BuildCallRecord(m_call, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(record.HeureDebut, QStringLiteral("14:05:07"));
    EXPECT_EQ(record.HeureFin, QStringLiteral("09:15:00"));
}

TEST_F(CallRecordTest, CallAcrossMidnightKeepsItsStartDate) {
    m_call.start = QDateTime(QDate(1999, 3, 31), QTime(23, 50, 0));
    m_call.end = QDateTime(QDate(1999, 4, 1), QTime(0, 5, 0));
    const std::optional<CallRecord> record = BuildCallRecord(m_call);
    EXPECT_EQ(record->Date, QStringLiteral("31/03/99"));
    EXPECT_EQ(record->HeureFin, QStringLiteral("00:05:00"));
}

TEST_F(CallRecordTest, LongDescriptionCutShortOnePadded) {
    m_call.type = CommunicationType::Primaliste;
    m_call.number = QStringLiteral("01 23 45 67 89 poste 1234 bureau");
    const CallRecord longOne = *BuildCallRecord(m_call);
    EXPECT_EQ(longOne.Libelle, QStringLiteral("Primaliste: 01 23 45 67 89 pos"));
    EXPECT_EQ(longOne.toBytes().mid(14, 30), QByteArray("Primaliste: 01 23 45 67 89 pos"));

    m_call.number = QStringLiteral("12");
    const QByteArray bytes = BuildCallRecord(m_call)->toBytes();
    EXPECT_EQ(bytes.mid(14, 30), QByteArray("Primaliste: 12").leftJustified(30, ' '));
    EXPECT_EQ(bytes.size(), CallRecord::DataSize);
}

TEST_F(CallRecordTest, NoRecordWithoutSomethingToPrice) {
    CallSummary nothing = m_call;
    nothing.type = CommunicationType::FaitesUneSelection;
    nothing.number = FaitesUneSelection;
    EXPECT_FALSE(BuildCallRecord(nothing));

    CallSummary notConfigured = m_call;
    notConfigured.type = CommunicationType::Primaliste;
    notConfigured.number = Numbers::NonConfigure;
    EXPECT_FALSE(BuildCallRecord(notConfigured));
}

TEST_F(CallRecordTest, PrimalisteInternetOnlyAtNight) {
    m_call.type = CommunicationType::PrimalisteInternet;
    m_call.number = QStringLiteral("08 60 00 00 00");
    m_call.plageNuit = false;
    EXPECT_FALSE(BuildCallRecord(m_call));
    m_call.plageNuit = true;
    ASSERT_TRUE(BuildCallRecord(m_call));
    EXPECT_EQ(BuildCallRecord(m_call)->Libelle, QStringLiteral("Primaliste NET: 08 60 00 00 00"));
}

TEST_F(CallRecordTest, NightRangeMattersOnlyForPrimalisteInternet) {
    m_call.plageNuit = false;
    EXPECT_TRUE(BuildCallRecord(m_call));
}

TEST(ResetRecord, BytesOfTheRecord) {
    QByteArray expected("\x08\x00\x02\x00\r\n", 6);
    expected += "08/12/26";
    expected += Cp1252::encode(QStringLiteral("* Remise à zéro du Coût Total "));
    expected += "##:##:####:##:####:##:##";
    expected += "#.##    ";
    expected += "0.00    ";
    ASSERT_EQ(expected.size(), CallRecord::DataSize);
    EXPECT_EQ(BuildResetRecord(QDate(2026, 12, 8)).toBytes(), expected);
}

TEST(ResetRecord, PlaceholdersKeepTheirPointInAnyLocale) {
    const CallRecord record = BuildResetRecord(QDate(2026, 12, 8), QLocale(QLocale::English));
    EXPECT_EQ(record.Cout, QStringLiteral("#.##"));
    EXPECT_EQ(record.Total, QStringLiteral("0.00"));
    EXPECT_TRUE(record.Libelle.endsWith(QLatin1Char(' ')));
}

} // namespace
