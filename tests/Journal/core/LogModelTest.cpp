// A log file shown as a journal: row numbers, fields as stored, the record
// count of short and full last slots, the progress of the load.
#include "core/LogModel.h"
#include "Journal/JournalLogs.h"
#include "core/JournalColumns.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

using BasJournal::JournalColumn;
using BasJournal::LogModel;

namespace {

class LogModelTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath(QStringLiteral("déc.2026.ccm"));
    LogModel m_model;

    QString cell(int row, JournalColumn column) const {
        return m_model.data(m_model.index(row, int(column))).toString();
    }

    void writeBytes(const QByteArray& bytes) {
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

} // namespace

TEST_F(LogModelTest, AnEmptyLogHasTheHeaderRowOnly) {
    writeBytes({});
    QVector<int> progress;
    ASSERT_TRUE(m_model.load(m_path, [&](int percent) { progress.append(percent); }));
    EXPECT_EQ(m_model.rowCount(), 0);
    EXPECT_EQ(m_model.columnCount(), 8);
    EXPECT_TRUE(progress.isEmpty());
}

TEST_F(LogModelTest, ThreeRecordsAreNumberedOneTwoThree) {
    const QVector<CallRecord> records{JournalLogs::call("Standard: Appel Local"),
                                      JournalLogs::call("Primaliste: 0142345678"),
                                      JournalLogs::call("Audiotel: 08-36-65-XX-XX")};
    ASSERT_TRUE(JournalLogs::appendAll(m_path, records));
    ASSERT_EQ(QFileInfo(m_path).size(), 272);

    QVector<int> progress;
    ASSERT_TRUE(m_model.load(m_path, [&](int percent) { progress.append(percent); }));
    ASSERT_EQ(m_model.rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(cell(row, JournalColumn::Numero), QString::number(row + 1));
        EXPECT_EQ(m_model.record(row), JournalLogs::stored(records[row]));
    }
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last(), 100);
}

TEST_F(LogModelTest, TheProgressOfAFewHundredRecordsMovesInSteps) {
    QVector<CallRecord> records(500, JournalLogs::call("Standard: Appel Local"));
    ASSERT_TRUE(JournalLogs::appendAll(m_path, records));
    QVector<int> progress;
    ASSERT_TRUE(m_model.load(m_path, [&](int percent) { progress.append(percent); }));
    EXPECT_GE(progress.size(), 10);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.last(), 100);
}

TEST_F(LogModelTest, FieldsAreShownExactlyAsStoredTrailingBlanksIncluded) {
    CallRecord reset;
    reset.Date = QStringLiteral("01/12/26");
    reset.Libelle = QStringLiteral("* Remise à zéro du Coût Total *");
    reset.HeureDebut = reset.HeureFin = reset.Duree = QStringLiteral("##:##:##");
    reset.Cout = QStringLiteral("#.##");
    reset.Total = QStringLiteral("0.00");
    ASSERT_TRUE(JournalLogs::appendAll(m_path, {reset}));

    ASSERT_TRUE(m_model.load(m_path));
    ASSERT_EQ(m_model.rowCount(), 1);
    EXPECT_EQ(cell(0, JournalColumn::Libelle), QStringLiteral("* Remise à zéro du Coût Total "));
    EXPECT_EQ(cell(0, JournalColumn::Duree), QStringLiteral("##:##:##"));
    EXPECT_EQ(cell(0, JournalColumn::Cout), QStringLiteral("#.##    "));
    EXPECT_EQ(cell(0, JournalColumn::Total), QStringLiteral("0.00    "));
}

TEST_F(LogModelTest, AFullLastSlotIsReadLikeAShortOne) {
    const QVector<CallRecord> records{JournalLogs::call("A"), JournalLogs::call("B")};
    QByteArray bytes;
    for (const CallRecord& record : records)
        bytes += record.toBytes() + QByteArray(10, '\0');
    writeBytes(bytes);

    ASSERT_TRUE(m_model.load(m_path));
    ASSERT_EQ(m_model.rowCount(), 2);
    EXPECT_EQ(m_model.record(1), JournalLogs::stored(records[1]));
}

TEST_F(LogModelTest, ACutLastRecordReadsItsMissingBytesAsBlanks) {
    writeBytes(JournalLogs::call("Standard: Appel Local").toBytes() + QByteArray(10, '\0') +
               JournalLogs::call("Tronqué").toBytes().left(20));

    ASSERT_TRUE(m_model.load(m_path));
    ASSERT_EQ(m_model.rowCount(), 2);
    EXPECT_EQ(cell(1, JournalColumn::Libelle), QStringLiteral("Tronqu").leftJustified(30));
    EXPECT_EQ(cell(1, JournalColumn::Total), QString(8, QLatin1Char(' ')));
}

TEST_F(LogModelTest, AMissingFileIsReportedAndLeavesTheModelEmpty) {
    ASSERT_TRUE(JournalLogs::appendAll(m_path, {JournalLogs::call("A")}));
    ASSERT_TRUE(m_model.load(m_path));
    QString error;
    EXPECT_FALSE(m_model.load(m_dir.filePath(QStringLiteral("absent.ccm")), {}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(m_model.rowCount(), 0);
}

TEST_F(LogModelTest, HeadersAndAlignmentsFollowTheGridLayout) {
    const QStringList headers{"",     "Date", "Type de Communication", "Début", "Fin", "Durée",
                              "Cout", "Total"};
    ASSERT_TRUE(JournalLogs::appendAll(m_path, {JournalLogs::call("A")}));
    ASSERT_TRUE(m_model.load(m_path));
    for (int column = 0; column < 8; ++column) {
        EXPECT_EQ(m_model.headerData(column, Qt::Horizontal).toString(), headers[column]);
        const auto alignment =
            Qt::Alignment(m_model.index(0, column).data(Qt::TextAlignmentRole).toInt());
        const bool left = column == 2 || column == 6 || column == 7;
        EXPECT_EQ(alignment,
                  left ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::Alignment(Qt::AlignCenter))
            << "column " << column;
    }
}

TEST_F(LogModelTest, PassesTheItemModelChecks) {
    ASSERT_TRUE(JournalLogs::appendAll(m_path, {JournalLogs::call("A"), JournalLogs::call("B")}));
    // A failed check aborts the test program.
    QAbstractItemModelTester tester(&m_model,
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_TRUE(m_model.load(m_path));
    EXPECT_EQ(m_model.rowCount(), 2);
    EXPECT_FALSE(m_model.load(m_dir.filePath(QStringLiteral("absent.ccm"))));
}

TEST_F(LogModelTest, RowsCopiedIntoAResultReadAsInTheLog) {
    writeBytes(JournalLogs::call("Standard: Appel Local").toBytes() + QByteArray(10, '\0') +
               JournalLogs::call("Tronqué").toBytes().left(20));
    ASSERT_TRUE(m_model.load(m_path));

    BasJournal::JournalRows copied;
    copied.append(m_model.rows(), 1);
    copied.append(m_model.rows(), 0);
    ASSERT_EQ(copied.count(), 2);
    EXPECT_EQ(copied.record(0), m_model.record(1));
    EXPECT_EQ(copied.record(1), m_model.record(0));
}

TEST_F(LogModelTest, TakesTheWholeRecordsAppendedAndReadsACutOrReplacedFileAgain) {
    const QVector<CallRecord> records{JournalLogs::call("A"), JournalLogs::call("B"),
                                      JournalLogs::call("C"), JournalLogs::call("D")};
    ASSERT_TRUE(JournalLogs::appendAll(m_path, {records[0]}));
    QAbstractItemModelTester tester(&m_model,
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_TRUE(m_model.load(m_path));

    QSignalSpy inserted(&m_model, &LogModel::rowsInserted);
    ASSERT_TRUE(JournalLogs::appendAll(m_path, {records[1], records[2]}));
    ASSERT_TRUE(m_model.takeAppended());
    EXPECT_EQ(inserted.size(), 1);
    EXPECT_EQ(JournalLogs::libellesOf(m_model.rows()), (QStringList{"A", "B", "C"}));

    // A record still being written waits for its last bytes.
    const QByteArray last = records[3].toBytes();
    QFile file(m_path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(CallRecord::SlotSize - CallRecord::DataSize, '\0') + last.left(40));
    file.flush();
    ASSERT_TRUE(m_model.takeAppended());
    EXPECT_EQ(m_model.rowCount(), 3);
    file.write(last.mid(40));
    file.close();
    ASSERT_TRUE(m_model.takeAppended());
    ASSERT_EQ(m_model.rowCount(), 4);
    EXPECT_EQ(m_model.record(3), JournalLogs::stored(records[3]));

    ASSERT_TRUE(LogFile::writeAll(m_path, {records[3]}));
    ASSERT_TRUE(m_model.takeAppended());
    EXPECT_EQ(JournalLogs::libellesOf(m_model.rows()), QStringList{"D"});

    // Another file of the same length or longer takes the log's place.
    ASSERT_TRUE(LogFile::writeAll(m_path, {records[2], records[1]}));
    ASSERT_TRUE(m_model.takeAppended());
    EXPECT_EQ(JournalLogs::libellesOf(m_model.rows()), (QStringList{"C", "B"}));
}
