// "orvalis-cli log show" prints exactly what the writer stored.
#include "cli/CliRunner.h"

#include "common/LogFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList FieldNames{QStringLiteral("date"),  QStringLiteral("libelle"),
                             QStringLiteral("debut"), QStringLiteral("fin"),
                             QStringLiteral("duree"), QStringLiteral("cout"),
                             QStringLiteral("total")};

class LogShowTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = m_dir.filePath(QStringLiteral("déc.2026.ccm"));
        m_written = {{QStringLiteral("08/12/26"), QStringLiteral("Standard: Appel Local"),
                      QStringLiteral("10:00:00"), QStringLiteral("10:10:00"),
                      QStringLiteral("00:10:00"), QStringLiteral("2,70"), QStringLiteral("2,70")},
                     {QStringLiteral("08/12/26"), QStringLiteral("* Remise à zéro du Coût Total *"),
                      QStringLiteral("##:##:##"), QStringLiteral("##:##:##"),
                      QStringLiteral("##:##:##"), QStringLiteral("#.##"), QStringLiteral("0.00")},
                     {QStringLiteral("09/12/26"), QStringLiteral("Perso: 01-45-45, \"bureau\""),
                      QStringLiteral("20:00:00"), QStringLiteral("20:10:00"),
                      QStringLiteral("00:10:00"), QStringLiteral("1,72"), QStringLiteral("1,72")}};
        for (const CallRecord& record : m_written)
            ASSERT_TRUE(LogFile::append(m_path, record));
        // What the file holds: each field padded or cut to its width.
        ASSERT_TRUE(LogFile::readAll(m_path, &m_stored));
    }

    QTemporaryDir m_dir;
    QString m_path;
    QVector<CallRecord> m_written;
    QVector<CallRecord> m_stored;
};

TEST_F(LogShowTest, JsonHoldsEveryFieldAsStored) {
    const CliResult result = runCli({QStringLiteral("log"), QStringLiteral("show"), m_path,
                                     QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(result.out.toUtf8()).array();
    ASSERT_EQ(rows.size(), m_written.size());
    for (int i = 0; i < rows.size(); ++i) {
        const QJsonObject row = rows.at(i).toObject();
        EXPECT_EQ(row.value(QStringLiteral("n")).toInt(), i + 1);
        for (int f = 0; f < CallRecord::FieldCount; ++f) {
            const QString stored = m_stored.at(i).field(f);
            EXPECT_EQ(row.value(FieldNames.at(f)).toString(), stored);
            EXPECT_EQ(stored.trimmed(), m_written.at(i).field(f).left(stored.size()).trimmed());
        }
    }
    EXPECT_TRUE(result.out.startsWith(QLatin1String("[{\"n\": 1, \"date\"")));
}

TEST_F(LogShowTest, CsvHasAHeaderAndQuotesWhatNeedsIt) {
    const CliResult result = runCli({QStringLiteral("log"), QStringLiteral("show"), m_path,
                                     QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList lines = result.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.at(0), QStringLiteral("n,") + FieldNames.join(QLatin1Char(',')));
    EXPECT_EQ(lines.at(1), QStringLiteral("1,08/12/26,Standard: Appel Local,10:00:00,10:10:00,"
                                          "00:10:00,\"2,70\",\"2,70\""));
    EXPECT_TRUE(lines.at(2).contains(QStringLiteral("* Remise à zéro du Coût Total,")));
    EXPECT_TRUE(lines.at(3).contains(QStringLiteral("\"Perso: 01-45-45, \"\"bureau\"\"\"")));
}

TEST_F(LogShowTest, TextShowsOneNumberedLinePerRecord) {
    const CliResult result = runCli({QStringLiteral("log"), QStringLiteral("show"), m_path});
    ASSERT_EQ(result.exitCode, 0);
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("2  08/12/26  * Remise à zéro")));
}

TEST_F(LogShowTest, ARecordWithoutItsHeaderIsToldAndTheRestPrinted) {
    QFile file(m_path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(CallRecord::SlotSize));
    ASSERT_EQ(file.write("garbage"), 7);
    file.close();
    const CliResult result = runCli({QStringLiteral("log"), QStringLiteral("show"), m_path});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.count(QLatin1Char('\n')), 3);
    const QStringList told = result.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("enregistrement 2 ")));
}

TEST(LogShow, AFileWithNoValidRecordIsNoLog) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("déc.2026.ccm"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QRandomGenerator draw(1999);
    QByteArray noise(5000, '\0');
    for (char& byte : noise)
        byte = char(draw.bounded(256));
    ASSERT_EQ(file.write(noise), noise.size());
    file.close();
    const CliResult result = runCli({QStringLiteral("log"), QStringLiteral("show"), path,
                                     QStringLiteral("--format"), QStringLiteral("json")});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.out.isEmpty());
    const QStringList told = result.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(told.isEmpty());
    EXPECT_TRUE(told.last().contains(path));
    EXPECT_TRUE(told.last().contains(QStringLiteral("n'est pas un journal")));
}

TEST(LogShow, EmptyFileHasNoRecord) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vide.ccm"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const CliResult result = runCli({QStringLiteral("log"), QStringLiteral("show"), path,
                                     QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_TRUE(QJsonDocument::fromJson(result.out.toUtf8()).array().isEmpty());
}

TEST(LogShow, MissingFileFailsWithAMessageAndWritesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("absent.ccm"));
    const CliResult result = runCli({QStringLiteral("log"), QStringLiteral("show"), path});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(result.err.contains(path));
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
