// "orvalis-cli price" runs a call through the calculator's engine and prints
// its cost; it reads the settings and never writes them.
#include "cli/CliRunner.h"

#include "BasOrvalis/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace BasOrvalis;

namespace {

const QString Standard = QStringLiteral("Communication standard");
const QString Local = QStringLiteral("Appel N° Local");

class PriceTest : public ::testing::Test {
protected:
    // The user's store and the logs live in a temporary folder.
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("ORVALIS_JOURNAUX"), m_home.filePath(QStringLiteral("logs")));
        if (!m_locale.isEmpty())
            env.insert(QStringLiteral("LC_ALL"), m_locale);
        return env;
    }

    QJsonObject price(const QString& type, const QString& number, const QString& start,
                      const QString& end, const QStringList& more = {}) {
        const CliResult result =
            runCli(QStringList{QStringLiteral("price"), QStringLiteral("--type"), type,
                               QStringLiteral("--number"), number, QStringLiteral("--start"), start,
                               QStringLiteral("--end"), end} +
                       more,
                   environment());
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(result.out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
        return document.object();
    }

    int exitCodeOf(const QStringList& arguments, QString* err = nullptr) {
        const CliResult result =
            runCli(QStringList{QStringLiteral("price")} + arguments, environment());
        if (err)
            *err = result.err;
        return result.exitCode;
    }

    // A store file of the usual format, as the calculator writes it.
    QString configWith(const std::vector<std::pair<QString, QString>>& keys) {
        const QString path = m_home.filePath(QStringLiteral("other.ini"));
        {
            SettingsStore store(path);
            for (const auto& [key, value] : keys)
                store.write(FindSettingsKey(Sections::Parametres, key)   ? Sections::Parametres
                            : FindSettingsKey(Sections::ServicesFt, key) ? Sections::ServicesFt
                                                                         : Sections::Tarification,
                            key, value);
        }
        return path;
    }

    QTemporaryDir m_home;
    // The user's locale; the environment's when empty.
    QString m_locale;
};

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(PriceTest, TenMinuteLocalCallByDayAndByNight) {
    const QJsonObject day = price(Standard, Local, QStringLiteral("2026-12-08T10:00:00"),
                                  QStringLiteral("2026-12-08T10:10:00"));
    const QJsonArray calls = day.value(QStringLiteral("calls")).toArray();
    ASSERT_EQ(calls.size(), 1);
    const QJsonObject call = calls.at(0).toObject();
    EXPECT_NEAR(call.value(QStringLiteral("cost")).toDouble(), 2.702, 1e-5);
    EXPECT_NEAR(day.value(QStringLiteral("total")).toDouble(), 2.702, 1e-5);
    EXPECT_EQ(call.value(QStringLiteral("duration")).toString(), QStringLiteral("00:10:00"));
    EXPECT_EQ(call.value(QStringLiteral("start")).toString(),
              QStringLiteral("2026-12-08T10:00:00"));
    EXPECT_EQ(call.value(QStringLiteral("stop")).toString(), QStringLiteral("2026-12-08T10:10:00"));
    EXPECT_TRUE(call.value(QStringLiteral("stopped_by")).isNull());
    EXPECT_TRUE(call.value(QStringLiteral("remaining")).isNull());
    const QJsonObject record = call.value(QStringLiteral("record")).toObject();
    EXPECT_EQ(record.value(QStringLiteral("libelle")).toString(),
              QStringLiteral("Standard: Appel Local"));
    EXPECT_EQ(record.value(QStringLiteral("duree")).toString(), QStringLiteral("00:10:00"));

    const QJsonObject night = price(Standard, Local, QStringLiteral("2026-12-08T20:00:00"),
                                    QStringLiteral("2026-12-08T20:10:00"));
    EXPECT_NEAR(night.value(QStringLiteral("calls"))
                    .toArray()
                    .at(0)
                    .toObject()
                    .value(QStringLiteral("cost"))
                    .toDouble(),
                1.722, 1e-5);
}

// The record logs the cost displayed, rounded to centimes half away from
// zero: 0,445 is logged 0,45, not the 0,44 of its single-precision value.
TEST_F(PriceTest, RecordLogsTheDisplayedCostRoundedToCentimes) {
    const struct {
        const char* locale;
        QString type;
        QString number;
        const char* start;
        const char* end;
        const char* display;
        const char* cout;
    } rows[] = {
        {"fr_FR.UTF-8", QStringLiteral("Numéris Itoo"), Local, "2026-12-08T10:00:00",
         "2026-12-08T10:03:00", "0,445", "0,45"},
        {"fr_FR.UTF-8", Standard, QStringLiteral("Appel N° National"), "2026-12-08T07:58:00",
         "2026-12-08T08:02:00", "3,425", "3,43"},
        {"en_US.UTF-8", QStringLiteral("Numéris Itoo"), Local, "2026-12-08T10:00:00",
         "2026-12-08T10:03:00", "0.445", "0.45"},
        {"en_US.UTF-8", Standard, QStringLiteral("Appel N° National"), "2026-12-08T07:58:00",
         "2026-12-08T08:02:00", "3.425", "3.43"},
    };
    for (const auto& row : rows) {
        m_locale = QString::fromLatin1(row.locale);
        const QJsonObject call = price(row.type, row.number, QString::fromLatin1(row.start),
                                       QString::fromLatin1(row.end))
                                     .value(QStringLiteral("calls"))
                                     .toArray()
                                     .at(0)
                                     .toObject();
        EXPECT_EQ(call.value(QStringLiteral("display")).toString(), QString::fromUtf8(row.display))
            << row.locale;
        EXPECT_EQ(call.value(QStringLiteral("record")).toObject().value(QStringLiteral("cout")),
                  QString::fromUtf8(row.cout))
            << row.locale;
    }
}

TEST_F(PriceTest, NothingIsWrittenToTheUsersStoreOrLogs) {
    price(Standard, Local, QStringLiteral("2026-12-08T10:00:00"),
          QStringLiteral("2026-12-08T10:01:00"));
    EXPECT_FALSE(QFile::exists(m_home.filePath(QStringLiteral("config"))));
    EXPECT_FALSE(QFile::exists(m_home.filePath(QStringLiteral("logs"))));
}

TEST_F(PriceTest, ExhaustedPackageGoesOnAsAStandardCallWithYes) {
    const QString config = configWith({{Keys::CoutTotal, QStringLiteral("10")},
                                       {Keys::AboForfaitLocal, QStringLiteral("1")},
                                       {Keys::TempsForfaitLocal, QStringLiteral("00:00:10")}});
    const QByteArray before = contentOf(config);
    const QJsonObject result =
        price(QStringLiteral("Forfait Local"), Local, QStringLiteral("2026-12-12T10:00:00"),
              QStringLiteral("2026-12-12T10:05:00"),
              {QStringLiteral("--config"), config, QStringLiteral("--yes")});
    EXPECT_EQ(contentOf(config), before);

    const QJsonArray calls = result.value(QStringLiteral("calls")).toArray();
    ASSERT_EQ(calls.size(), 2);
    const QJsonObject package = calls.at(0).toObject();
    EXPECT_EQ(package.value(QStringLiteral("stop")).toString(),
              QStringLiteral("2026-12-12T10:00:11"));
    EXPECT_EQ(package.value(QStringLiteral("remaining")).toString(), QStringLiteral("00:00:00"));
    const QJsonObject stoppedBy = package.value(QStringLiteral("stopped_by")).toObject();
    EXPECT_EQ(stoppedBy.value(QStringLiteral("title")).toInt(), 216);
    EXPECT_EQ(stoppedBy.value(QStringLiteral("lines")).toArray(), (QJsonArray{316, 416}));
    EXPECT_EQ(package.value(QStringLiteral("cost")).toDouble(), 0.0);

    const QJsonObject standard = calls.at(1).toObject();
    EXPECT_EQ(standard.value(QStringLiteral("start")).toString(),
              QStringLiteral("2026-12-12T10:00:11"));
    EXPECT_TRUE(standard.value(QStringLiteral("stopped_by")).isNull());
    EXPECT_EQ(standard.value(QStringLiteral("record"))
                  .toObject()
                  .value(QStringLiteral("libelle"))
                  .toString(),
              QStringLiteral("Standard: Appel Local"));
    // 289 seconds on a Saturday: the credit, then 109 seconds at half rate.
    const double cost = 0.742 + 109 * 0.28 / 60 / 2;
    EXPECT_NEAR(standard.value(QStringLiteral("cost")).toDouble(), cost, 1e-5);
    EXPECT_NEAR(result.value(QStringLiteral("total")).toDouble(), 10 + cost, 1e-4);
}

TEST_F(PriceTest, ExhaustedPackageStopsWithoutYes) {
    const QString config = configWith({{Keys::AboLibreAcces, QStringLiteral("1")},
                                       {Keys::TempsLibreAcces, QStringLiteral("00:00:00")}});
    const QJsonObject result =
        price(QStringLiteral("Libre @cces"), Local, QStringLiteral("2026-12-12T10:00:00"),
              QStringLiteral("2026-12-12T10:05:00"), {QStringLiteral("--config"), config});
    const QJsonArray calls = result.value(QStringLiteral("calls")).toArray();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls.at(0)
                  .toObject()
                  .value(QStringLiteral("stopped_by"))
                  .toObject()
                  .value(QStringLiteral("title"))
                  .toInt(),
              222);
}

TEST_F(PriceTest, PrimalisteInternetByDayIsRefusedWithoutRecord) {
    const QString config = configWith({{Keys::AboPrimalisteInternet, QStringLiteral("1")},
                                       {Keys::PrimalisteInternet, QStringLiteral("0860000000")}});
    const QJsonObject result =
        price(QStringLiteral("Primaliste Internet"), QStringLiteral("0860000000"),
              QStringLiteral("2026-12-08T10:00:00"), QStringLiteral("2026-12-08T10:05:00"),
              {QStringLiteral("--config"), config});
    const QJsonObject call = result.value(QStringLiteral("calls")).toArray().at(0).toObject();
    EXPECT_TRUE(call.value(QStringLiteral("record")).isNull());
    EXPECT_EQ(call.value(QStringLiteral("stopped_by"))
                  .toObject()
                  .value(QStringLiteral("lines"))
                  .toArray(),
              (QJsonArray{306, 406}));
}

TEST_F(PriceTest, KiosqueRateIsChosenByItsValue) {
    const QJsonObject result =
        price(QStringLiteral("Kiosque Micro"), QStringLiteral("08-36-01-17-17"),
              QStringLiteral("2026-12-08T10:00:00"), QStringLiteral("2026-12-08T10:01:00"),
              {QStringLiteral("--rate"), QStringLiteral("9.21")});
    EXPECT_NEAR(result.value(QStringLiteral("total")).toDouble(), 18.54, 1e-5);
}

TEST_F(PriceTest, BadArgumentsEndWithStatus2AndAMessage) {
    const QStringList times{QStringLiteral("--start"), QStringLiteral("2026-12-08T10:00:00"),
                            QStringLiteral("--end"), QStringLiteral("2026-12-08T10:01:00")};
    const QStringList local{QStringLiteral("--type"), Standard, QStringLiteral("--number"), Local};
    const std::vector<QStringList> cases{
        QStringList{QStringLiteral("--type"), QStringLiteral("Fax"), QStringLiteral("--number"),
                    Local} +
            times,
        QStringList{QStringLiteral("--type"), Standard, QStringLiteral("--number"),
                    QStringLiteral("Mars")} +
            times,
        local + QStringList{QStringLiteral("--start"), QStringLiteral("2026-12-08T10:00:00"),
                            QStringLiteral("--end"), QStringLiteral("2026-12-08T09:59:59")},
        local + QStringList{QStringLiteral("--start"), QStringLiteral("hier"),
                            QStringLiteral("--end"), QStringLiteral("2026-12-08T10:01:00")},
        local + times + QStringList{QStringLiteral("--config"), m_home.filePath("absent.ini")},
        local + times + QStringList{QStringLiteral("--rate"), QStringLiteral("0.25")},
        local,
    };
    for (const QStringList& arguments : cases) {
        QString err;
        EXPECT_EQ(exitCodeOf(arguments, &err), 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(err.isEmpty());
    }
}
