// Appending to, writing and reading the monthly logs.
#include "common/LogFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

CallRecord recordNumbered(int n) {
    return CallRecord{QStringLiteral("08/12/26"), QStringLiteral("Standard: Appel %1").arg(n),
                      QStringLiteral("10:00:00"), QStringLiteral("10:10:00"),
                      QStringLiteral("00:10:00"), QStringLiteral("2,70"),
                      QString::number(n)};
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class LogFileTest : public ::testing::Test {
protected:
    QString pathOf(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(LogFileTest, EachAppendTakesTheNextSlot) {
    const QString path = pathOf(QStringLiteral("déc.2026.ccm"));
    const int expectedSizes[] = {84, 178, 272};
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(LogFile::append(path, recordNumbered(n)));
        const QByteArray bytes = contents(path);
        ASSERT_EQ(bytes.size(), expectedSizes[n - 1]);
        EXPECT_EQ(bytes.mid((n - 1) * 94, 84), recordNumbered(n).toBytes());
    }
    EXPECT_EQ(contents(path).mid(84, 10), QByteArray(10, '\0'));
}

TEST_F(LogFileTest, ThreeAppendsReadBackAsThreeRecords) {
    const QString path = pathOf(QStringLiteral("log.ccm"));
    for (int n = 1; n <= 3; ++n)
        ASSERT_TRUE(LogFile::append(path, recordNumbered(n)));
    QVector<CallRecord> records;
    ASSERT_TRUE(LogFile::readAll(path, &records));
    ASSERT_EQ(records.size(), 3);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(records.at(n - 1).toBytes(), recordNumbered(n).toBytes());
}

TEST(LogFileCount, RoundsTheSlotsUp) {
    EXPECT_EQ(LogFile::recordCount(0), 0);
    EXPECT_EQ(LogFile::recordCount(84), 1);
    EXPECT_EQ(LogFile::recordCount(94), 1);
    EXPECT_EQ(LogFile::recordCount(178), 2);
    EXPECT_EQ(LogFile::recordCount(272), 3);
    EXPECT_EQ(LogFile::recordCount(94 * 5), 5);
}

TEST_F(LogFileTest, FileWithFullLastSlotGetsItsNextRecordAfterIt) {
    const QString path = pathOf(QStringLiteral("full.ccm"));
    QVector<CallRecord> two{recordNumbered(1), recordNumbered(2)};
    QByteArray fullSlots;
    for (const CallRecord& record : two)
        fullSlots += record.toBytes() + QByteArray(10, 'x');
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(fullSlots);
    file.close();

    QVector<CallRecord> records;
    ASSERT_TRUE(LogFile::readAll(path, &records));
    EXPECT_EQ(records.size(), 2);

    ASSERT_TRUE(LogFile::append(path, recordNumbered(3)));
    const QByteArray bytes = contents(path);
    EXPECT_EQ(bytes.left(188), fullSlots);
    EXPECT_EQ(bytes.mid(188), recordNumbered(3).toBytes());
}

TEST_F(LogFileTest, DamagedEndIsNeverWrittenOver) {
    const QString path = pathOf(QStringLiteral("damaged.ccm"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(40, 'z'));
    file.close();

    ASSERT_TRUE(LogFile::append(path, recordNumbered(1)));
    const QByteArray bytes = contents(path);
    EXPECT_EQ(bytes.left(40), QByteArray(40, 'z'));
    EXPECT_EQ(bytes.mid(94), recordNumbered(1).toBytes());
}

// The largest file the process may write is lowered for a while, as a full
// disk would: a write past it is cut short.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }
    Q_DISABLE_COPY_MOVE(FileSizeLimit)

private:
    rlimit m_previous{};
    void (*m_handler)(int) = nullptr;
};

TEST_F(LogFileTest, AnAppendCutShortLeavesTheFileAsItWas) {
    const QString path = pathOf(QStringLiteral("full.ccm"));
    ASSERT_TRUE(LogFile::append(path, recordNumbered(1)));
    const QByteArray before = contents(path);
    QString error;
    {
        // Room for 40 bytes of the second slot only.
        const FileSizeLimit limit(94 + 40);
        EXPECT_FALSE(LogFile::append(path, recordNumbered(2), &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contents(path), before);

    ASSERT_TRUE(LogFile::append(path, recordNumbered(2)));
    QVector<CallRecord> records;
    ASSERT_TRUE(LogFile::readAll(path, &records));
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records.at(1).toBytes(), recordNumbered(2).toBytes());
}

TEST_F(LogFileTest, AppendCreatesTheMissingFolder) {
    const QString path = pathOf(QStringLiteral("Journaux/jan.2027.ccm"));
    ASSERT_TRUE(LogFile::append(path, recordNumbered(1)));
    EXPECT_EQ(contents(path).size(), 84);
}

TEST_F(LogFileTest, AppendReportsAFolderThatCannotExist) {
    const QString blocker = pathOf(QStringLiteral("plain-file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QString error;
    EXPECT_FALSE(LogFile::append(blocker + QStringLiteral("/log.ccm"), recordNumbered(1), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(LogFileTest, WriteAllReplacesTheFileRecordBySlot) {
    const QString path = pathOf(QStringLiteral("RECHERCHE1.CCM"));
    ASSERT_TRUE(LogFile::writeAll(path, {recordNumbered(9), recordNumbered(9)}));
    QVector<CallRecord> five;
    for (int n = 1; n <= 5; ++n)
        five.append(recordNumbered(n));
    ASSERT_TRUE(LogFile::writeAll(path, five));
    EXPECT_EQ(contents(path).size(), 460);
    QVector<CallRecord> records;
    ASSERT_TRUE(LogFile::readAll(path, &records));
    ASSERT_EQ(records.size(), 5);
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(records.at(n - 1).toBytes(), recordNumbered(n).toBytes());
}

TEST_F(LogFileTest, MissingFileIsReportedNotCreated) {
    const QString path = pathOf(QStringLiteral("absent.ccm"));
    QVector<CallRecord> records;
    QString error;
    EXPECT_FALSE(LogFile::readAll(path, &records, &error));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(LogFileName, IsMonthAbbreviationYearAndExtension) {
    const QDate december(2026, 12, 8);
    EXPECT_EQ(LogFile::monthlyName(december, QLocale(QLocale::French, QLocale::France)),
              QStringLiteral("déc.2026.ccm"));
    EXPECT_EQ(LogFile::monthlyName(december, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("Dec2026.ccm"));
}

} // namespace
