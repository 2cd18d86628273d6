// "orvalis-cli reprice" prints what logged calls would have cost under other
// types, with the tariff values of the store it is given; it writes nothing.
#include "cli/CliRunner.h"

#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/SettingsKeys.h"
#include "common/LogFile.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace BasOrvalis;

namespace {

class RepriceCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_log = m_dir.filePath(QStringLiteral("mars2027.ccm"));
        const QVector<CallRecord> records{
            {QStringLiteral("09/03/27"), QStringLiteral("Standard: Appel National"),
             QStringLiteral("10:00:00"), QStringLiteral("10:10:00"), QStringLiteral("00:10:00"),
             QStringLiteral("10,09"), QStringLiteral("10,09")},
            BuildResetRecord(QDate(2027, 3, 10)),
            {QStringLiteral("13/03/27"), QStringLiteral("Standard: Appel Local"),
             QStringLiteral("20:00:00"), QStringLiteral("20:10:00"), QStringLiteral("00:10:00"),
             QStringLiteral("1,72"), QStringLiteral("1,72")}};
        for (const CallRecord& record : records)
            ASSERT_TRUE(LogFile::append(m_log, record));
        m_config = m_dir.filePath(QStringLiteral("Orvalis.ini"));
        SettingsStore(m_config).write(Sections::Tarification, Keys::TarifCreditTemps,
                                      QStringLiteral("0,8"));
    }

    CliResult reprice(const QStringList& arguments) {
        return runCli(QStringList{QStringLiteral("reprice")} + arguments);
    }

    QByteArray folderContents() const {
        QByteArray all;
        for (const QFileInfo& file : QDir(m_dir.path()).entryInfoList(QDir::Files)) {
            QFile content(file.filePath());
            content.open(QIODevice::ReadOnly);
            all += file.fileName().toUtf8() + content.readAll();
        }
        return all;
    }

    QTemporaryDir m_dir;
    QString m_log;
    QString m_config;
};

} // namespace

TEST_F(RepriceCommandTest, PrintsEachCallWithItsCostsAndTheTotals) {
    const QByteArray before = folderContents();
    const CliResult result =
        reprice({m_log, QStringLiteral("--as"), QStringLiteral("Communication standard"),
                 QStringLiteral("--as"), QStringLiteral("Numéris Itoo"), QStringLiteral("--config"),
                 m_config});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(folderContents(), before);

    QJsonParseError error{};
    const QJsonObject json = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
    const QJsonArray files = json.value(QStringLiteral("files")).toArray();
    ASSERT_EQ(files.size(), 1);
    const QJsonObject file = files.at(0).toObject();
    EXPECT_EQ(file.value(QStringLiteral("file")).toString(), QStringLiteral("mars2027.ccm"));
    const QJsonArray calls = file.value(QStringLiteral("calls")).toArray();
    ASSERT_EQ(calls.size(), 2);
    const QJsonObject national = calls.at(0).toObject();
    EXPECT_EQ(national.value(QStringLiteral("index")).toInt(), 1);
    EXPECT_EQ(national.value(QStringLiteral("date")).toString(), QStringLiteral("09/03/27"));
    EXPECT_EQ(national.value(QStringLiteral("debut")).toString(), QStringLiteral("10:00:00"));
    EXPECT_EQ(national.value(QStringLiteral("duree")).toString(), QStringLiteral("00:10:00"));
    EXPECT_EQ(national.value(QStringLiteral("band")).toString(),
              QStringLiteral("Appel N° National"));
    EXPECT_EQ(national.value(QStringLiteral("logged")).toDouble(), 10.09);
    const QJsonObject repriced = national.value(QStringLiteral("repriced")).toObject();
    // The store's credit of 0,80 F, then 561 seconds at 1 F a minute, to
    // the last bit of the engine's single precision.
    const float perSecond = 1.f / 60.f;
    EXPECT_EQ(float(repriced.value(QStringLiteral("Communication standard")).toDouble()),
              perSecond * 561.f + 0.8f);
    EXPECT_TRUE(repriced.value(QStringLiteral("Numéris Itoo")).isNull());
    EXPECT_EQ(repriced.keys().size(), 2);
    const QJsonArray skipped = file.value(QStringLiteral("skipped")).toArray();
    ASSERT_EQ(skipped.size(), 1);
    EXPECT_EQ(skipped.at(0).toObject().value(QStringLiteral("index")).toInt(), 2);
    EXPECT_FALSE(skipped.at(0).toObject().value(QStringLiteral("reason")).toString().isEmpty());

    const QJsonObject totals = json.value(QStringLiteral("totals")).toObject();
    EXPECT_EQ(totals.value(QStringLiteral("calls")).toInt(), 2);
    EXPECT_EQ(totals.value(QStringLiteral("skipped")).toInt(), 1);
    EXPECT_DOUBLE_EQ(totals.value(QStringLiteral("logged")).toDouble(), 10.09 + 1.72);
    const QJsonObject sums = totals.value(QStringLiteral("repriced")).toObject();
    const double local = calls.at(1)
                             .toObject()
                             .value(QStringLiteral("repriced"))
                             .toObject()
                             .value(QStringLiteral("Numéris Itoo"))
                             .toDouble();
    EXPECT_NEAR(sums.value(QStringLiteral("Numéris Itoo")).toDouble(), local, 1e-6);
    // Each type against the logged cost of the calls it prices.
    const QJsonObject byType = totals.value(QStringLiteral("by_type")).toObject();
    const QJsonObject numeris = byType.value(QStringLiteral("Numéris Itoo")).toObject();
    EXPECT_EQ(numeris.value(QStringLiteral("calls")).toInt(), 1);
    EXPECT_DOUBLE_EQ(numeris.value(QStringLiteral("logged")).toDouble(), 1.72);
    EXPECT_NEAR(numeris.value(QStringLiteral("repriced")).toDouble(), local, 1e-6);
    EXPECT_EQ(byType.value(QStringLiteral("Communication standard"))
                  .toObject()
                  .value(QStringLiteral("calls"))
                  .toInt(),
              2);
}

TEST_F(RepriceCommandTest, BadArgumentsAndUnreadableFiles) {
    const QString as = QStringLiteral("--as");
    const QString temporalis = QStringLiteral("Temporalis");
    const QString missing = m_dir.filePath(QStringLiteral("absent.ccm"));
    expectRefused(QStringLiteral("reprice"),
                  {
                      {{}, 2, QString()},
                      {{m_log}, 2, QStringLiteral("--as")},
                      {{as, temporalis}, 2, QString()},
                      {{m_log, as, QStringLiteral("Primaliste")}, 2, QStringLiteral("Primaliste")},
                      {{m_log, as}, 2, QStringLiteral("--as")},
                      {{m_log, missing, as, temporalis}, 1, missing},
                      {{m_log, as, temporalis, QStringLiteral("--config"), missing}, 1, missing},
                  });
}
