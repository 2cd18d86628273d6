// Logged calls priced again under other types: hand-worked costs, the
// engine's own price, the "Forfait Local" hours of each month, and the
// records that cannot be re-priced.
#include "reprice/Reprice.h"

#include "engine/CallSimulation.h"
#include "support/TemporaryStore.h"

#include "BasOrvalis/CallRecordBuilder.h"

#include <gtest/gtest.h>

using namespace BasOrvalis;
using namespace Repricing;

namespace {

const QString National = QStringLiteral("Standard: Appel National");
const QString Local = QStringLiteral("Standard: Appel Local");

CallRecord Logged(const QString& date, const QString& libelle, const QString& debut,
                  const QString& duree, const QString& cout = QStringLiteral("1,00")) {
    CallRecord record;
    record.Date = date;
    record.Libelle = libelle;
    record.HeureDebut = debut;
    record.Duree = duree;
    record.Cout = cout;
    return record;
}

Repriced RepriceOne(const QString& fileName, const QVector<CallRecord>& records,
                    const QVector<CommunicationType>& types = Alternatives()) {
    return Reprice({{fileName, records}}, types, Settings());
}

// What the calculator charges for the call, run second by second.
float EnginePrice(CommunicationType type, const QString& number, const QDateTime& start,
                  int seconds) {
    TemporaryStore store;
    CallSimulation simulation(Settings(), store.store(), start, false);
    QString error;
    EXPECT_TRUE(simulation.select(type, number, QString(), error)) << error.toStdString();
    simulation.run(start.addSecs(seconds));
    return simulation.calls().first().cost;
}

} // namespace

// 0,742 for the 39-second credit, then 561 seconds at 1 F a minute, halved
// all day on a holiday.
TEST(Reprice, NationalCallAtTenOnATuesdayAndOnAscensionThursday) {
    const struct {
        QString date;
        QDate day;
        float handWorked;
    } rows[] = {
        {QStringLiteral("09/03/27"), QDate(2027, 3, 9), 0.742f + 561.f / 60.f},
        {QStringLiteral("06/05/27"), QDate(2027, 5, 6), 0.742f + 561.f / 120.f},
    };
    for (const auto& row : rows) {
        const Repriced repriced =
            RepriceOne(QStringLiteral("mai2027.ccm"),
                       {Logged(row.date, National, QStringLiteral("10:00:00"),
                               QStringLiteral("00:10:00"), QStringLiteral("10,09"))},
                       {CommunicationType::Standard});
        ASSERT_EQ(repriced.logs[0].calls.size(), 1) << row.date.toStdString();
        const RepricedCall& call = repriced.logs[0].calls[0];
        EXPECT_EQ(call.start(), QDateTime(row.day, QTime(10, 0)));
        EXPECT_EQ(call.band, 5);
        const float cost = call.cost(CommunicationType::Standard).value();
        EXPECT_NEAR(cost, row.handWorked, 1e-5f) << row.date.toStdString();
        EXPECT_EQ(cost, EnginePrice(CommunicationType::Standard, Numbers::DistanceEntries().at(4),
                                    QDateTime(row.day, QTime(10, 0)), 600));
    }
}

// Six free hours a month, used up in the order of the calls; the second
// after the last one stops the package and the call goes on as a standard
// local call with its own time credit (half rate on a Saturday evening).
TEST(Reprice, ForfaitLocalWithinAndBeyondTheMonthsHours) {
    const QVector<CallRecord> march{
        Logged(QStringLiteral("06/03/27"), Local, QStringLiteral("10:00:00"),
               QStringLiteral("05:55:00")),
        Logged(QStringLiteral("13/03/27"), Local, QStringLiteral("20:00:00"),
               QStringLiteral("00:10:00")),
        Logged(QStringLiteral("13/03/27"), Local, QStringLiteral("21:00:00"),
               QStringLiteral("00:10:00")),
    };
    const QVector<CallRecord> april{Logged(QStringLiteral("03/04/27"), Local,
                                           QStringLiteral("10:00:00"), QStringLiteral("00:10:00"))};
    // The logs come in any order; the hours go in the order of the calls.
    const Repriced repriced =
        Reprice({{QStringLiteral("avr.2027.ccm"), april}, {QStringLiteral("mars2027.ccm"), march}},
                {CommunicationType::ForfaitLocal}, Settings());
    const auto forfait = [&repriced](int log, int call) {
        return repriced.logs[log].calls[call].cost(CommunicationType::ForfaitLocal).value();
    };
    const float halfRate = 0.28f / 120.f;
    EXPECT_EQ(forfait(1, 0), 0.f);
    // 300 seconds left: seconds 1 to 301 under the package, 299 standard.
    EXPECT_NEAR(forfait(1, 1), 0.742f + (299 - 180) * halfRate, 1e-5f);
    // Nothing left: the first second stops the package.
    EXPECT_NEAR(forfait(1, 2), 0.742f + (599 - 180) * halfRate, 1e-5f);
    EXPECT_EQ(forfait(0, 0), 0.f);

    // Over the days from the 13th, the call of the 6th used the hours all
    // the same, but is not counted.
    const Repriced fromThe13th =
        Reprice({{QStringLiteral("mars2027.ccm"), march}}, {CommunicationType::ForfaitLocal},
                Settings(), QLocale(), {QDate(2027, 3, 13), QDate(2027, 3, 31)});
    ASSERT_EQ(fromThe13th.logs[0].calls.size(), 2);
    EXPECT_EQ(fromThe13th.logs[0].calls[0].index, 2);
    EXPECT_EQ(fromThe13th.totals.calls, 2);
    EXPECT_NEAR(fromThe13th.totals.alternatives[0].cost, forfait(1, 1) + forfait(1, 2), 1e-5);
}

TEST(Reprice, TypesWithoutValueForACall) {
    const Repriced repriced =
        RepriceOne(QStringLiteral("mars2027.ccm"),
                   {Logged(QStringLiteral("09/03/27"), Local, QStringLiteral("10:00:00"),
                           QStringLiteral("00:10:00")),
                    Logged(QStringLiteral("09/03/27"), National, QStringLiteral("20:00:00"),
                           QStringLiteral("00:10:00"))});
    const RepricedCall& dayLocal = repriced.logs[0].calls[0];
    const RepricedCall& national = repriced.logs[0].calls[1];
    // A Tuesday at 10:00 is outside the package's hours.
    EXPECT_FALSE(dayLocal.cost(CommunicationType::ForfaitLocal));
    EXPECT_NEAR(dayLocal.cost(CommunicationType::Numeris).value(),
                0.742f * 0.6f + 420 * 0.28f / 60.f * 0.6f, 1e-5f);
    EXPECT_FALSE(national.cost(CommunicationType::Numeris));
    EXPECT_FALSE(national.cost(CommunicationType::ForfaitLocal));
    EXPECT_TRUE(national.cost(CommunicationType::Temporalis));
    const Totals& totals = repriced.totals;
    ASSERT_EQ(totals.alternatives.size(), AlternativeCount);
    const AlternativeTotal& numeris =
        totals.alternatives[Alternatives().indexOf(CommunicationType::Numeris)];
    EXPECT_EQ(numeris.calls, 1);
    EXPECT_DOUBLE_EQ(numeris.cost, double(*dayLocal.cost(CommunicationType::Numeris)));
}

TEST(Reprice, RecordsThatCannotBeRepricedAreSkippedWithTheirReason) {
    CallRecord reset = BuildResetRecord(QDate(2027, 3, 1));
    const Repriced repriced = RepriceOne(
        QStringLiteral("mars2027.ccm"),
        {reset,
         Logged(QStringLiteral("09/03/27"), QStringLiteral("Primaliste: 0140000001"),
                QStringLiteral("10:00:00"), QStringLiteral("00:10:00")),
         Logged(QStringLiteral("3x/03/27"), Local, QStringLiteral("10:00:00"),
                QStringLiteral("00:10:00")),
         Logged(QStringLiteral("09/03/27"), QStringLiteral("Temporalis: Appel d<25 Kms"),
                QStringLiteral("10:00:00"), QStringLiteral("00:10:00"), QStringLiteral("4,05")),
         Logged(QStringLiteral("09/03/27"), Local, QStringLiteral("10:00:00"),
                QStringLiteral("1 heure"))},
        {CommunicationType::Standard});
    const RepricedLog& log = repriced.logs[0];
    ASSERT_EQ(log.calls.size(), 1);
    EXPECT_EQ(log.calls[0].index, 4);
    EXPECT_EQ(log.calls[0].band, 2);
    ASSERT_EQ(log.skipped.size(), 4);
    const struct {
        int index;
        const char* reason;
    } skipped[] = {{1, "remise à zéro"},
                   {2, "distance du numéro illisible : « Primaliste: 0140000001 »"},
                   {3, "date illisible : « 3x/03/27 »"},
                   {5, "durée illisible : « 1 heure »"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(log.skipped[i].index, skipped[i].index);
        EXPECT_TRUE(log.skipped[i].reason.contains(QString::fromUtf8(skipped[i].reason)))
            << log.skipped[i].reason.toStdString();
    }
    EXPECT_EQ(repriced.totals.calls, 1);
    EXPECT_EQ(repriced.totals.skipped, 4);
    EXPECT_DOUBLE_EQ(repriced.totals.logged, 4.05);
}
