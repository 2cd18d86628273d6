// The program's log sink: records go to the month they are written in, and
// a log that cannot be written is reported with its file and the system's
// reason, never raised.
#include "engine/MonthlyLogSink.h"

#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/LogWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDateTime Now(QDate(2026, 12, 8), QTime(21, 30, 0));

class MonthlyLogSinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        m_previous = qgetenv("ORVALIS_JOURNAUX");
    }
    void TearDown() override {
        if (m_previous.isNull())
            qunsetenv("ORVALIS_JOURNAUX");
        else
            qputenv("ORVALIS_JOURNAUX", m_previous);
    }
    void useLogFolder(const QString& path) { qputenv("ORVALIS_JOURNAUX", path.toLocal8Bit()); }

    QTemporaryDir m_folder;

private:
    QByteArray m_previous;
};

TEST_F(MonthlyLogSinkTest, WritesToTheLogOfTheMonthOfItsInstant) {
    useLogFolder(m_folder.path());
    MonthlyLogSink sink;
    const CallRecord reset = BasOrvalis::BuildResetRecord(Now.date());
    EXPECT_TRUE(sink.append(reset, Now, nullptr));
    EXPECT_EQ(QFileInfo(BasOrvalis::MonthlyLogPath(Now.date())).size(), CallRecord::DataSize);
    ASSERT_EQ(sink.recordsOfMonth(Now).size(), 1);
    EXPECT_EQ(sink.recordsOfMonth(Now).first().toBytes(), reset.toBytes());
    EXPECT_TRUE(sink.recordsOfMonth(Now.addMonths(1)).isEmpty());
}

TEST_F(MonthlyLogSinkTest, AMonthsLogNameTakenByAFolderIsReportedWithItsReason) {
    useLogFolder(m_folder.path());
    const QString path = BasOrvalis::MonthlyLogPath(Now.date());
    ASSERT_TRUE(QDir().mkpath(path));
    MonthlyLogSink sink;
    WriteFailure failure;
    EXPECT_FALSE(sink.append(BasOrvalis::BuildResetRecord(Now.date()), Now, &failure));
    EXPECT_EQ(failure.file, QDir::toNativeSeparators(path));
    EXPECT_FALSE(failure.reason.isEmpty());
}

} // namespace
