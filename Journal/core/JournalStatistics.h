// Where the money goes over a period: the cost and time of the calls that
// started in it, by type of communication, by distance band, by day and by
// hour of the start, and the ten dearest calls, read from the logs by the
// one reader of logged calls. Figures are values; the window and the
// command line format them.
#pragma once

#include "reprice/Reprice.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Settings.h"

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <QVector>

#include <array>
#include <atomic>
#include <map>
#include <optional>

namespace BasJournal {

struct CallTotals {
    int calls = 0;
    qint64 seconds = 0;
    double cost = 0;

    bool operator==(const CallTotals& other) const;
};

template <typename Key> struct KeyedTotals {
    Key key;
    CallTotals totals;
};

// A record of one of the logs read: which log, and its number there from 1.
struct LoggedPlace {
    int log = 0;
    int index = 0;
};

struct DearCall {
    LoggedPlace place;
    QDate date;
    std::optional<int> startSecond;
    int seconds = 0;
    double cost = 0;
    // The description and the start as logged.
    QString libelle;
    QString debut;
};

struct UnreadRecord {
    LoggedPlace place;
    QString reason;
};

class JournalStatistics final {
public:
    static constexpr int TopCount = 10;
    static constexpr int Hours = 24;

    // The figures of `logs`, counted as StatisticsCounter counts them.
    static JournalStatistics compute(const QVector<Repricing::LogInput>& logs,
                                     const Repricing::DayRange& days,
                                     const BasOrvalis::Settings& settings,
                                     const QLocale& locale = QLocale(),
                                     const std::atomic_bool* stop = nullptr);

    // The days counted: those asked, a side left open closed by the first
    // or the last call.
    Repricing::DayRange period;
    // The names of the logs read, in the order read.
    QStringList files;
    CallTotals total;
    // The types that have calls, in the order of the type list.
    QVector<KeyedTotals<BasOrvalis::CommunicationType>> byType;
    // The bands that have calls, local (1) to national (5), then the calls
    // whose number has no band (0).
    QVector<KeyedTotals<int>> byBand;
    // The days that have calls, in date order.
    QVector<KeyedTotals<QDate>> byDay;
    // By the hour the calls started, 0 to 23; a twelve-hour start that lost
    // its marker and that the cost does not settle is in no hour.
    std::array<CallTotals, Hours> byHour{};
    // The dearest calls, dearest first; of equal costs the earlier first.
    QVector<DearCall> dearest;
    // Resets of the total within the days, which are no calls.
    int resets = 0;
    // Records that cannot be read, but for those dated outside the days.
    QVector<UnreadRecord> unread;
};

// Counts the records of logs given one after another, in date order: the
// calls that started within the days asked. A log's bytes may go once it
// is counted.
class StatisticsCounter final {
public:
    // A twelve-hour start is settled with the tariff values of `settings`;
    // the user's `locale` reads the dates of a log whose name tells none.
    StatisticsCounter(const Repricing::DayRange& days, const BasOrvalis::Settings& settings,
                      const QLocale& locale = QLocale());

    // Reads every record of `log`; when *stop becomes true the reading ends
    // early and the figures are those of the records read.
    void add(const Repricing::LogInput& log, const std::atomic_bool* stop = nullptr);
    JournalStatistics result() const;

private:
    CallTotals& dayTotals(const QDate& date);

    BasOrvalis::Settings m_settings;
    QLocale m_locale;
    JournalStatistics m_statistics;
    std::array<CallTotals, BasOrvalis::AllCommunicationTypes.size()> m_byType{};
    std::array<CallTotals, BasOrvalis::BandCount + 1> m_byBand{};
    // By Julian day; the calls of a day mostly follow each other.
    std::map<qint64, CallTotals> m_byDay;
    std::map<qint64, CallTotals>::iterator m_lastDay = m_byDay.end();
};

} // namespace BasJournal
