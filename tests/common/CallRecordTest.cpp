// The 84 data bytes of one log record.
#include "common/CallRecord.h"

#include <gtest/gtest.h>

namespace {

CallRecord sampleRecord() {
    return CallRecord{QStringLiteral("08/12/26"), QStringLiteral("Standard: Appel Local"),
                      QStringLiteral("10:00:00"), QStringLiteral("10:10:00"),
                      QStringLiteral("00:10:00"), QStringLiteral("2,70"),
                      QStringLiteral("12,34")};
}

TEST(CallRecord, BeginsWithTheStoredLineBreak) {
    const QByteArray bytes = sampleRecord().toBytes();
    ASSERT_EQ(bytes.size(), CallRecord::DataSize);
    EXPECT_EQ(bytes.left(6), QByteArray("\x08\x00\x02\x00\r\n", 6));
}

TEST(CallRecord, FieldsArePaddedAtTheirOffsets) {
    const QByteArray bytes = sampleRecord().toBytes();
    EXPECT_EQ(bytes.mid(6, 8), QByteArray("08/12/26"));
    EXPECT_EQ(bytes.mid(14, 30), QByteArray("Standard: Appel Local         "));
    EXPECT_EQ(bytes.mid(44, 8), QByteArray("10:00:00"));
    EXPECT_EQ(bytes.mid(52, 8), QByteArray("10:10:00"));
    EXPECT_EQ(bytes.mid(60, 8), QByteArray("00:10:00"));
    EXPECT_EQ(bytes.mid(68, 8), QByteArray("2,70    "));
    EXPECT_EQ(bytes.mid(76, 8), QByteArray("12,34   "));
}

TEST(CallRecord, LongTextIsCutToItsField) {
    CallRecord record = sampleRecord();
    record.Libelle = QStringLiteral("Primaliste: 01-23-45-67-89 poste 1234");
    const QByteArray bytes = record.toBytes();
    ASSERT_EQ(bytes.size(), CallRecord::DataSize);
    EXPECT_EQ(bytes.mid(14, 30), QByteArray("Primaliste: 01-23-45-67-89 pos"));
}

TEST(CallRecord, AccentedTextIsOneBytePerCharacter) {
    CallRecord record = sampleRecord();
    record.Libelle = QStringLiteral("Numéris Itoo: Appel N° Local");
    const QByteArray bytes = record.toBytes();
    ASSERT_EQ(bytes.size(), CallRecord::DataSize);
    EXPECT_EQ(CallRecord::fromBytes(bytes.constData(), int(bytes.size())).Libelle,
              record.Libelle.leftJustified(30));
}

TEST(CallRecord, ReadBackKeepsTrailingBlanks) {
    const CallRecord written = sampleRecord();
    const QByteArray bytes = written.toBytes();
    const CallRecord read = CallRecord::fromBytes(bytes.constData(), int(bytes.size()));
    for (int f = 0; f < CallRecord::FieldCount; ++f)
        EXPECT_EQ(read.field(f), written.field(f).leftJustified(CallRecord::FieldWidths[f]));
}

TEST(CallRecord, ShortDataReadsAsBlanksWithoutOverrun) {
    const QByteArray bytes = sampleRecord().toBytes().left(20);
    const CallRecord read = CallRecord::fromBytes(bytes.constData(), int(bytes.size()));
    EXPECT_EQ(read.Date, QStringLiteral("08/12/26"));
    EXPECT_EQ(read.Libelle, QStringLiteral("Standa").leftJustified(30));
    EXPECT_EQ(read.Total, QString(8, QLatin1Char(' ')));
}

} // namespace
