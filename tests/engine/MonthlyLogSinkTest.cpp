// The program's log sink: records go to the month they are written in, and a log
// that cannot be written costs its record and is reported, never raised.
#include "engine/MonthlyLogSink.h"

#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/LogWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDateTime Now(QDate(2026, 12, 8), QTime(21, 30, 0));

QStringList warnings;

void keepWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg)
        warnings << message;
}

class MonthlyLogSinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        m_previous = qgetenv("ORVALIS_JOURNAUX");
        warnings.clear();
        m_handler = qInstallMessageHandler(keepWarnings);
    }
    void TearDown() override {
        qInstallMessageHandler(m_handler);
        if (m_previous.isNull())
            qunsetenv("ORVALIS_JOURNAUX");
        else
            qputenv("ORVALIS_JOURNAUX", m_previous);
    }
    void useLogFolder(const QString& path) { qputenv("ORVALIS_JOURNAUX", path.toLocal8Bit()); }

    QTemporaryDir m_folder;

private:
    QByteArray m_previous;
    QtMessageHandler m_handler = nullptr;
};

TEST_F(MonthlyLogSinkTest, WritesToTheLogOfTheMonthOfItsInstant) {
    useLogFolder(m_folder.path());
    MonthlyLogSink sink;
    sink.append(BasOrvalis::BuildResetRecord(Now.date()), Now);
    EXPECT_EQ(QFileInfo(BasOrvalis::MonthlyLogPath(Now.date())).size(), CallRecord::DataSize);
    EXPECT_TRUE(sink.lastError().isEmpty());
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(MonthlyLogSinkTest, UnwritableLogIsReportedOnceAndTheProgramGoesOn) {
    const QString blocker = QDir(m_folder.path()).filePath(QStringLiteral("fichier"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    useLogFolder(QDir(blocker).filePath(QStringLiteral("Journaux")));
    MonthlyLogSink sink;
    sink.append(BasOrvalis::BuildResetRecord(Now.date()), Now);
    EXPECT_FALSE(sink.lastError().isEmpty());
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(sink.lastError()));
}

} // namespace
