// The figures of a journal, read in one pass over its rows.
#include "core/JournalStatistics.h"

#include "core/LoggedCall.h"

#include <algorithm>
#include <map>

namespace BasJournal {

namespace {

void add(CallTotals& totals, const LoggedCall& call) {
    ++totals.calls;
    totals.seconds += call.seconds;
    totals.cost += call.cost;
}

// Keeps the TopCount dearest calls seen, dearest first.
void keepIfDear(QVector<DearCall>& dearest, int row, double cost) {
    const auto dearer = [](const DearCall& a, const DearCall& b) { return a.cost > b.cost; };
    if (dearest.size() == JournalStatistics::TopCount && dearest.last().cost >= cost)
        return;
    // After the calls of the same cost: the earlier row stays first.
    const DearCall call{row, cost};
    dearest.insert(std::upper_bound(dearest.begin(), dearest.end(), call, dearer), call);
    if (dearest.size() > JournalStatistics::TopCount)
        dearest.removeLast();
}

} // namespace

bool CallTotals::operator==(const CallTotals& other) const {
    return calls == other.calls && seconds == other.seconds && cost == other.cost;
}

JournalStatistics JournalStatistics::compute(const JournalRows& rows, const QLocale& locale,
                                             const std::atomic_bool* stop) {
    JournalStatistics statistics;
    LoggedCallReader reader(locale);
    std::map<BasOrvalis::CommunicationType, CallTotals> byType;
    std::map<int, CallTotals> byBand;
    std::map<qint64, CallTotals> byDay;
    for (int row = 0; row < rows.count(); ++row) {
        if (stop && (row & 0xFFFF) == 0 && stop->load())
            break;
        const std::optional<LoggedCall> call = reader.read(rows, row);
        if (!call) {
            ++statistics.skipped;
            continue;
        }
        add(statistics.total, *call);
        add(byType[call->type], *call);
        add(byBand[call->band], *call);
        add(byDay[call->date.toJulianDay()], *call);
        add(statistics.byHour[std::size_t(call->startHour)], *call);
        keepIfDear(statistics.dearest, row, call->cost);
    }
    for (const auto& [type, totals] : byType)
        statistics.byType.append({type, totals});
    // Local to national, then the numbers without a band.
    for (const auto& [band, totals] : byBand) {
        if (band != 0)
            statistics.byBand.append({band, totals});
    }
    if (const auto none = byBand.find(0); none != byBand.end())
        statistics.byBand.append({0, none->second});
    for (const auto& [day, totals] : byDay)
        statistics.byDay.append({QDate::fromJulianDay(day), totals});
    return statistics;
}

} // namespace BasJournal
