// The figures of a period: totals by type, band, day and hour, the dearest
// calls, and the records left out.
#include "core/JournalStatistics.h"
#include "Journal/JournalLogs.h"

#include <gtest/gtest.h>

using BasJournal::CallTotals;
using BasJournal::JournalStatistics;
using BasOrvalis::CommunicationType;

namespace {

CallRecord callOn(const char* date, const char* libelle, const char* debut, const char* duree,
                  const char* cout) {
    CallRecord record = JournalLogs::call(QString::fromUtf8(libelle), QString::fromUtf8(duree),
                                          QString::fromUtf8(date));
    record.HeureDebut = QString::fromUtf8(debut);
    record.Cout = QString::fromUtf8(cout);
    return record;
}

CallRecord reset(const char* date) {
    return callOn(date, "* Remise à zéro du Coût Total *", "##:##:##", "##:##:##", "#.##");
}

JournalStatistics statisticsOf(const QVector<CallRecord>& records,
                               const Repricing::DayRange& days = {}) {
    return JournalStatistics::compute({{QStringLiteral("mars2027.ccm"), records}}, days,
                                      BasOrvalis::Settings(),
                                      QLocale(QLocale::French, QLocale::France));
}

template <typename Key>
QVector<std::pair<Key, CallTotals>> pairs(const QVector<BasJournal::KeyedTotals<Key>>& list) {
    QVector<std::pair<Key, CallTotals>> out;
    for (const auto& item : list)
        out.append({item.key, item.totals});
    return out;
}

} // namespace

TEST(JournalStatisticsTest, CallsAddUpByTypeBandDayAndHour) {
    const JournalStatistics statistics = statisticsOf(
        {
            callOn("01/03/27", "Standard: Appel Local", "09:15:00", "00:10:00", "0,74"),
            reset("01/03/27"),
            callOn("01/03/27", "Temporalis: Appel National", "09:59:59", "00:02:30", "3,50"),
            callOn("02/03/27", "Primaliste: 01 42 34 56 78", "21:00:00", "01:00:00", "5,00"),
            callOn("02/03/27", "Standard: Appel d<25 Kms", "21:30:00", "00:00:30", "0,50"),
            callOn("03/03/27", "Standard: Appel Local", "bientôt", "00:01:00", "0,10"),
            callOn("03/03/27", "Kiosque Micro: 08-36-01-13-13", "10:00:00", "00:01:00", "#.##"),
            // Started before the period, logged in its first month's log.
            callOn("28/02/27", "Standard: Appel Local", "23:59:00", "00:02:00", "0,20"),
        },
        {QDate(2027, 3, 1), QDate(2027, 3, 31)});

    EXPECT_EQ(statistics.total, (CallTotals{4, 600 + 150 + 3600 + 30, 0.74 + 3.5 + 5 + 0.5}));
    EXPECT_EQ(statistics.resets, 1);
    ASSERT_EQ(statistics.unread.size(), 2);
    EXPECT_EQ(statistics.unread[0].place.index, 6);
    EXPECT_EQ(statistics.unread[1].reason, QStringLiteral("coût illisible : « #.## »"));
    using TypeTotals = std::pair<CommunicationType, CallTotals>;
    EXPECT_EQ(pairs(statistics.byType),
              (QVector<TypeTotals>{{CommunicationType::Standard, {2, 630, 0.74 + 0.5}},
                                   {CommunicationType::Primaliste, {1, 3600, 5}},
                                   {CommunicationType::Temporalis, {1, 150, 3.5}}}));
    using BandTotals = std::pair<int, CallTotals>;
    EXPECT_EQ(pairs(statistics.byBand),
              (QVector<BandTotals>{
                  {1, {1, 600, 0.74}}, {2, {1, 30, 0.5}}, {5, {1, 150, 3.5}}, {0, {1, 3600, 5}}}));
    using DayTotals = std::pair<QDate, CallTotals>;
    EXPECT_EQ(pairs(statistics.byDay),
              (QVector<DayTotals>{{QDate(2027, 3, 1), {2, 750, 0.74 + 3.5}},
                                  {QDate(2027, 3, 2), {2, 3630, 5.5}}}));
    EXPECT_EQ(statistics.byHour[9], (CallTotals{2, 750, 0.74 + 3.5}));
    EXPECT_EQ(statistics.byHour[21], (CallTotals{2, 3630, 5.5}));
    EXPECT_EQ(statistics.byHour[10], CallTotals{});
}

TEST(JournalStatisticsTest, TheTenDearestCallsComeDearestFirstEarlierRowsFirstOnATie) {
    QVector<CallRecord> records;
    const char* costs[] = {"1,00", "9,00", "2,00", "9,00", "3,00", "0,50", "4,00",
                           "5,00", "6,00", "7,00", "8,00", "0,10", "9,50"};
    for (const char* cost : costs)
        records.append(callOn("01/03/27", "Standard: Appel Local", "10:00:00", "00:01:00", cost));

    QVector<std::pair<int, double>> dearest;
    for (const BasJournal::DearCall& call : statisticsOf(records).dearest)
        dearest.append({call.place.index - 1, call.cost});
    EXPECT_EQ(
        dearest,
        (QVector<std::pair<int, double>>{
            {12, 9.5}, {1, 9}, {3, 9}, {10, 8}, {9, 7}, {8, 6}, {7, 5}, {6, 4}, {4, 3}, {2, 2}}));
}
