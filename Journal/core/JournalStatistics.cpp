// The figures of a period, read in one pass over the records of its logs.
#include "core/JournalStatistics.h"

#include "reprice/LogName.h"
#include "reprice/RecordReader.h"

#include "common/CallRecord.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace BasJournal {

namespace {

using BasOrvalis::CommunicationType;
using Repricing::LoggedCall;

constexpr int BandSlots = BasOrvalis::BandCount + 1;

void add(CallTotals& totals, const LoggedCall& call) {
    ++totals.calls;
    totals.seconds += call.seconds;
    totals.cost += call.cost;
}

// Dearer first; of equal costs the earlier day and start. Calls read
// earlier stay first among those alike.
bool dearer(const DearCall& a, const DearCall& b) {
    if (a.cost != b.cost)
        return a.cost > b.cost;
    return std::make_tuple(a.date, a.startSecond.value_or(-1)) <
           std::make_tuple(b.date, b.startSecond.value_or(-1));
}

// Keeps the TopCount dearest calls seen, dearest first.
void keepIfDear(QVector<DearCall>& dearest, const LoggedPlace& place, const LoggedCall& call) {
    if (dearest.size() == JournalStatistics::TopCount && dearest.last().cost > call.cost)
        return;
    DearCall dear;
    dear.place = place;
    dear.type = call.type;
    dear.date = call.date;
    dear.startSecond = call.startSecond;
    dear.seconds = call.seconds;
    dear.cost = call.cost;
    if (dearest.size() == JournalStatistics::TopCount && !dearer(dear, dearest.last()))
        return;
    dearest.insert(std::upper_bound(dearest.begin(), dearest.end(), dear, dearer), dear);
    if (dearest.size() > JournalStatistics::TopCount)
        dearest.removeLast();
}

// Totals by day; the calls of a day mostly follow each other.
class DayTotals final {
public:
    CallTotals& of(const QDate& date) {
        const qint64 day = date.toJulianDay();
        if (m_last == m_days.end() || m_last->first != day)
            m_last = m_days.try_emplace(day).first;
        return m_last->second;
    }
    const std::map<qint64, CallTotals>& days() const { return m_days; }

private:
    std::map<qint64, CallTotals> m_days;
    std::map<qint64, CallTotals>::iterator m_last = m_days.end();
};

} // namespace

bool CallTotals::operator==(const CallTotals& other) const {
    return calls == other.calls && seconds == other.seconds && cost == other.cost;
}

JournalStatistics JournalStatistics::compute(const QVector<Repricing::LogInput>& logs,
                                             const Repricing::DayRange& days,
                                             const BasOrvalis::Settings& settings,
                                             const QLocale& locale, const std::atomic_bool* stop) {
    JournalStatistics statistics;
    std::array<CallTotals, BasOrvalis::AllCommunicationTypes.size()> byType{};
    std::array<CallTotals, BandSlots> byBand{};
    DayTotals byDay;
    for (int log = 0; log < logs.size() && !(stop && stop->load()); ++log) {
        const Repricing::LogInput& input = logs.at(log);
        statistics.files.append(input.fileName);
        Repricing::RecordReader reader(Repricing::ReadLogName(input.fileName, locale), settings);
        for (int i = 0; i < input.recordCount(); ++i) {
            if ((i & 0xFFFF) == 0xFFFF && stop && stop->load())
                break;
            const Repricing::RecordReading reading = reader.read(input.recordData(i));
            const LoggedCall& call = reading.call;
            if (call.date.isValid() && !days.contains(call.date))
                continue;
            switch (reading.kind) {
            case Repricing::RecordReading::Kind::Reset:
                ++statistics.resets;
                continue;
            case Repricing::RecordReading::Kind::Unreadable:
                statistics.unread.append({{log, i + 1}, reading.reason});
                continue;
            case Repricing::RecordReading::Kind::Call:
                break;
            }
            add(statistics.total, call);
            add(byType[std::size_t(call.type)], call);
            add(byBand[std::size_t(call.band)], call);
            add(byDay.of(call.date), call);
            if (call.startSecond)
                add(statistics.byHour[std::size_t(*call.startSecond / 3600)], call);
            keepIfDear(statistics.dearest, {log, i + 1}, call);
        }
    }
    for (const CommunicationType type : BasOrvalis::AllCommunicationTypes) {
        if (byType[std::size_t(type)].calls > 0)
            statistics.byType.append({type, byType[std::size_t(type)]});
    }
    // Local to national, then the numbers without a band.
    for (int band = 1; band <= BandSlots; ++band) {
        const CallTotals& totals = byBand[std::size_t(band % BandSlots)];
        if (totals.calls > 0)
            statistics.byBand.append({band % BandSlots, totals});
    }
    for (const auto& [day, totals] : byDay.days())
        statistics.byDay.append({QDate::fromJulianDay(day), totals});
    for (DearCall& call : statistics.dearest) {
        const QByteArrayView data = logs.at(call.place.log).recordData(call.place.index - 1);
        call.libelle = CallRecord::storedText(data, 1);
        call.debut = CallRecord::storedText(data, 2);
    }
    statistics.period = days;
    if (!statistics.byDay.isEmpty()) {
        if (!days.first.isValid())
            statistics.period.first = statistics.byDay.first().key;
        if (!days.last.isValid())
            statistics.period.last = statistics.byDay.last().key;
    }
    return statistics;
}

} // namespace BasJournal
