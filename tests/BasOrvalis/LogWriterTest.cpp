// Appending records to the month's log in a temporary log folder.
#include "BasOrvalis/LogWriter.h"
#include "BasOrvalis/CallRecordBuilder.h"
#include "common/LogFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace BasOrvalis;

const QDateTime Now(QDate(2026, 12, 8), QTime(21, 30, 0));

class LogWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        m_previous = qgetenv("ORVALIS_JOURNAUX");
        qputenv("ORVALIS_JOURNAUX", m_folder.path().toLocal8Bit());
    }
    void TearDown() override {
        if (m_previous.isNull())
            qunsetenv("ORVALIS_JOURNAUX");
        else
            qputenv("ORVALIS_JOURNAUX", m_previous);
    }
    QString folder() const { return m_folder.path(); }
    QString monthFile() const { return QDir(folder()).filePath(LogFile::monthlyName(Now.date())); }

    static CallRecord SampleCall() {
        CallRecord record;
        record.Date = QStringLiteral("08/12/26");
        record.Libelle = QStringLiteral("Standard: Appel Local");
        record.HeureDebut = QStringLiteral("21:20:00");
        record.HeureFin = QStringLiteral("21:30:00");
        record.Duree = QStringLiteral("00:10:00");
        record.Cout = QStringLiteral("1,72");
        record.Total = QStringLiteral("1,72");
        return record;
    }

private:
    QTemporaryDir m_folder;
    QByteArray m_previous;
};

TEST_F(LogWriterTest, ResetThenCallInTheSameFile) {
    QString error;
    ASSERT_TRUE(AppendToMonthlyLog(BuildResetRecord(Now.date()), Now, &error))
        << error.toStdString();
    EXPECT_EQ(QFile(monthFile()).size(), 84);
    ASSERT_TRUE(AppendToMonthlyLog(SampleCall(), Now, &error)) << error.toStdString();
    EXPECT_EQ(QFile(monthFile()).size(), 178);

    QVector<CallRecord> records;
    ASSERT_TRUE(LogFile::readAll(monthFile(), &records));
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].toBytes(), BuildResetRecord(Now.date()).toBytes());
    EXPECT_EQ(records[1].toBytes(), SampleCall().toBytes());
}

TEST_F(LogWriterTest, ExistingFileInOtherCaseIsReused) {
    const QString upper = QDir(folder()).filePath(LogFile::monthlyName(Now.date()).toUpper());
    {
        QFile file(upper);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(AppendToMonthlyLog(SampleCall(), Now));
    EXPECT_EQ(QFile(upper).size(), 84);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files).size(), 1);
}

TEST_F(LogWriterTest, RecordGoesToTheMonthItIsWrittenIn) {
    const QDateTime nextMonth(QDate(2027, 1, 1), QTime(0, 5, 0));
    ASSERT_TRUE(AppendToMonthlyLog(SampleCall(), nextMonth));
    EXPECT_TRUE(QFile::exists(QDir(folder()).filePath(LogFile::monthlyName(nextMonth.date()))));
    EXPECT_FALSE(QFile::exists(monthFile()));
}

TEST_F(LogWriterTest, UnwritableFolderIsReportedNotRaised) {
    const QString blocker = QDir(folder()).filePath(QStringLiteral("fichier"));
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    qputenv("ORVALIS_JOURNAUX", QDir(blocker).filePath(QStringLiteral("Journaux")).toLocal8Bit());
    QString error;
    EXPECT_FALSE(AppendToMonthlyLog(BuildResetRecord(Now.date()), Now, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
