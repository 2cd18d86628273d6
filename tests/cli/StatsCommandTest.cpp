// "orvalis-cli stats" over three months of logs as the calculator writes
// them, February and March under French settings and April under American
// ones: its figures are the sums of what "orvalis-cli log show" prints of
// the same records, whatever the user's locale.
#include "cli/CliRunner.h"

#include "BasOrvalis/CallRecordBuilder.h"
#include "common/LogFile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace BasOrvalis;

namespace {

const QLocale French(QLocale::French, QLocale::France);
const QLocale American(QLocale::English, QLocale::UnitedStates);

struct Sums {
    int calls = 0;
    int seconds = 0;
    double cost = 0;
};

class StatsCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(m_logs));
        int minutes = 0;
        // A call of `minutes` more minutes each time, logged in the month it ends.
        const auto call = [&](CommunicationType type, const QString& number, const QDateTime& start,
                              const QLocale& locale) {
            CallSummary summary{type,
                                number,
                                QString(),
                                start,
                                start.addSecs(++minutes * 60),
                                QTime(0, minutes),
                                0.37f * float(minutes),
                                0.f,
                                false};
            ASSERT_TRUE(write(summary.end.date(), *BuildCallRecord(summary, locale), locale));
        };
        for (const int month : {2, 3}) {
            call(CommunicationType::Standard, Numbers::AppelLocal, {{2027, month, 3}, {9, 5}},
                 French);
            call(CommunicationType::Temporalis, Numbers::DistanceEntries().at(4),
                 {{2027, month, 14}, {21, 30}}, French);
        }
        ASSERT_TRUE(write({2027, 3, 20}, BuildResetRecord({2027, 3, 20}, French), French));
        call(CommunicationType::Primaliste, QStringLiteral("0140000001"), {{2027, 3, 22}, {14, 0}},
             French);
        // Begun on the last evening of March, logged in April's log.
        call(CommunicationType::Standard, Numbers::AppelLocal, {{2027, 3, 31}, {23, 55}}, American);
        call(CommunicationType::Standard, Numbers::DistanceEntries().at(1),
             {{2027, 4, 12}, {10, 15}}, American);
    }

    bool write(const QDate& day, const CallRecord& record, const QLocale& locale) {
        QString name = LogFile::monthlyName(day, locale);
        // The viewer names the current month's log in capitals.
        if (day.month() == 3)
            name = name.toUpper();
        if (!m_files.contains(name))
            m_files.append(name);
        return LogFile::append(QDir(m_logs).filePath(name), record);
    }

    QJsonObject stats(const QStringList& arguments, const QString& locale) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORVALIS_JOURNAUX"), m_logs);
        environment.insert(QStringLiteral("LC_ALL"), locale);
        environment.insert(QStringLiteral("LANG"), locale);
        const CliResult result =
            runCli(QStringList{QStringLiteral("stats")} + arguments, environment);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        m_outputs.append(result.out);
        return QJsonDocument::fromJson(result.out.toUtf8()).object();
    }

    // The calls of a log as "log show" prints them: every record whose cost
    // is a number.
    Sums shown(const QString& name) {
        const CliResult result =
            runCli({QStringLiteral("log"), QStringLiteral("show"), QDir(m_logs).filePath(name),
                    QStringLiteral("--format"), QStringLiteral("json")});
        Sums sums;
        for (const QJsonValue& value : QJsonDocument::fromJson(result.out.toUtf8()).array()) {
            const QJsonObject record = value.toObject();
            bool number = false;
            const double cost = record.value(QStringLiteral("cout"))
                                    .toString()
                                    .trimmed()
                                    .replace(QLatin1Char(','), QLatin1Char('.'))
                                    .toDouble(&number);
            if (!number)
                continue;
            const QTime duration =
                QTime::fromString(record.value(QStringLiteral("duree")).toString().trimmed(),
                                  QStringLiteral("HH:mm:ss"));
            ++sums.calls;
            sums.seconds += QTime(0, 0).secsTo(duration);
            sums.cost += cost;
        }
        return sums;
    }

    QTemporaryDir m_dir;
    QString m_logs = m_dir.filePath(QStringLiteral("Journaux"));
    QStringList m_files;
    QStringList m_outputs;
};

double centimes(double amount) {
    return std::round(amount * 100) / 100;
}

} // namespace

TEST_F(StatsCommandTest, TheFiguresAreTheSumsOfTheLogsInEveryLocale) {
    ASSERT_EQ(m_files, (QStringList{"févr.2027.ccm", "MARS2027.CCM", "Apr2027.ccm"}));
    Sums logged;
    for (const QString& name : m_files) {
        const Sums sums = shown(name);
        logged.calls += sums.calls;
        logged.seconds += sums.seconds;
        logged.cost += sums.cost;
    }
    const QStringList period{QStringLiteral("--from"), QStringLiteral("2027-02-01"),
                             QStringLiteral("--to"), QStringLiteral("2027-04-30")};
    for (const QString& locale : {QStringLiteral("fr_FR.UTF-8"), QStringLiteral("en_US.UTF-8")}) {
        const QJsonObject json = stats(period, locale);
        EXPECT_EQ(json.value(QStringLiteral("files")).toVariant().toStringList(), m_files);
        EXPECT_EQ(json.value(QStringLiteral("calls")).toInt(), logged.calls);
        EXPECT_EQ(json.value(QStringLiteral("duration_s")).toInt(), logged.seconds);
        EXPECT_DOUBLE_EQ(json.value(QStringLiteral("cost")).toDouble(), centimes(logged.cost));
        EXPECT_EQ(json.value(QStringLiteral("resets")).toInt(), 1);
        EXPECT_TRUE(json.value(QStringLiteral("skipped")).toArray().isEmpty());
        // American dates read month first; the Primaliste number is in no band.
        const QJsonObject days = json.value(QStringLiteral("by_day")).toObject();
        EXPECT_EQ(days.keys(), (QStringList{"2027-02-03", "2027-02-14", "2027-03-03", "2027-03-14",
                                            "2027-03-22", "2027-03-31", "2027-04-12"}));
        int banded = 0;
        for (const QJsonValue& band : json.value(QStringLiteral("by_band")).toObject())
            banded += band.toObject().value(QStringLiteral("calls")).toInt();
        EXPECT_EQ(banded, logged.calls - 1);
        const QJsonArray dearest = json.value(QStringLiteral("dearest")).toArray();
        ASSERT_EQ(dearest.size(), logged.calls);
        EXPECT_EQ(dearest.at(0).toObject().value(QStringLiteral("date")).toString(),
                  QStringLiteral("2027-04-12"));
    }
    ASSERT_EQ(m_outputs.size(), 2);
    EXPECT_EQ(m_outputs.at(0), m_outputs.at(1));
}

TEST_F(StatsCommandTest, APeriodCountsTheCallsThatStartedInIt) {
    const QJsonObject march = stats({QStringLiteral("--from"), QStringLiteral("2027-03-01"),
                                     QStringLiteral("--to"), QStringLiteral("2027-03-31")},
                                    QStringLiteral("fr_FR.UTF-8"));
    EXPECT_EQ(march.value(QStringLiteral("files")).toVariant().toStringList(),
              (QStringList{"MARS2027.CCM", "Apr2027.ccm"}));
    EXPECT_EQ(march.value(QStringLiteral("calls")).toInt(), 4);
    // Without dates, the months of the logs given.
    const QJsonObject log =
        stats({QDir(m_logs).filePath(QStringLiteral("MARS2027.CCM"))}, QStringLiteral("C"));
    EXPECT_EQ(log.value(QStringLiteral("period")).toObject().toVariantMap(),
              (QVariantMap{{"from", "2027-03-01"}, {"to", "2027-03-31"}}));
    EXPECT_EQ(log.value(QStringLiteral("calls")).toInt(), 3);
}

TEST_F(StatsCommandTest, BadArgumentsAndUnreadableLogs) {
    const QString missing = m_dir.filePath(QStringLiteral("absent.ccm"));
    expectRefused(QStringLiteral("stats"),
                  {
                      {{QStringLiteral("--to"), QStringLiteral("31/03/2027")},
                       2,
                       QStringLiteral("31/03/2027")},
                      {{QStringLiteral("--from"), QStringLiteral("2027-04-01"),
                        QStringLiteral("--to"), QStringLiteral("2027-03-01")},
                       2,
                       QStringLiteral("--to")},
                      {{QDir(m_logs).filePath(QStringLiteral("MARS2027.CCM")),
                        QStringLiteral("--to"), QStringLiteral("2027-01-15")},
                       2,
                       QStringLiteral("2027-01-15")},
                      {{missing}, 1, missing},
                  });
}
