// Where the money of a journal goes: the cost and time of its calls by type
// of communication, by distance band, by day and by hour of the start, and
// its ten dearest calls. Figures are values; the window formats them.
#pragma once

#include "BasOrvalis/CommunicationTexts.h"
#include "core/JournalRows.h"

#include <QDate>
#include <QLocale>
#include <QVector>

#include <array>
#include <atomic>

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

struct DearCall {
    int row = 0; // of the journal, from 0
    double cost = 0;
};

class JournalStatistics final {
public:
    static constexpr int TopCount = 10;
    static constexpr int Hours = 24;

    // Reads every row; dates in `locale`. When *stop becomes true the
    // reading ends early and the figures are those of the rows read.
    static JournalStatistics compute(const JournalRows& rows, const QLocale& locale = QLocale(),
                                     const std::atomic_bool* stop = nullptr);

    CallTotals total;
    // The types that have calls, in the order of the type list.
    QVector<KeyedTotals<BasOrvalis::CommunicationType>> byType;
    // The bands that have calls, local (1) to national (5), then the calls
    // whose number has no band (0).
    QVector<KeyedTotals<int>> byBand;
    // The days that have calls, in date order.
    QVector<KeyedTotals<QDate>> byDay;
    // By the hour the calls started, 0 to 23.
    std::array<CallTotals, Hours> byHour{};
    // The dearest calls, dearest first; of equal costs the earlier row first.
    QVector<DearCall> dearest;
    // Records that are no call (resets of the total) or cannot be read.
    int skipped = 0;
};

} // namespace BasJournal
