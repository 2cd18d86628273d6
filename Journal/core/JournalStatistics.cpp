// The figures of a period, read in one pass over the records of its logs.
#include "core/JournalStatistics.h"

#include "reprice/LogName.h"
#include "reprice/RecordReader.h"

#include "common/CallRecord.h"

#include <algorithm>
#include <tuple>

namespace BasJournal {

namespace {

using BasOrvalis::CommunicationType;
using Repricing::LoggedCall;

constexpr int BandSlots = BasOrvalis::BandCount + 1;

void addCall(CallTotals& totals, const LoggedCall& call) {
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

} // namespace

bool CallTotals::operator==(const CallTotals& other) const {
    return calls == other.calls && seconds == other.seconds && cost == other.cost;
}

JournalStatistics JournalStatistics::compute(const QVector<Repricing::LogInput>& logs,
                                             const Repricing::DayRange& days,
                                             const BasOrvalis::Settings& settings,
                                             const QLocale& locale, const std::atomic_bool* stop) {
    StatisticsCounter counter(days, settings, locale);
    for (const Repricing::LogInput& log : logs) {
        if (stop && stop->load())
            break;
        counter.add(log, stop);
    }
    return counter.result();
}

StatisticsCounter::StatisticsCounter(const Repricing::DayRange& days,
                                     const BasOrvalis::Settings& settings, const QLocale& locale)
    : m_settings(settings)
    , m_locale(locale) {
    m_statistics.period = days;
}

CallTotals& StatisticsCounter::dayTotals(const QDate& date) {
    const qint64 day = date.toJulianDay();
    if (m_lastDay == m_byDay.end() || m_lastDay->first != day)
        m_lastDay = m_byDay.try_emplace(day).first;
    return m_lastDay->second;
}

void StatisticsCounter::add(const Repricing::LogInput& input, const std::atomic_bool* stop) {
    JournalStatistics& statistics = m_statistics;
    const Repricing::DayRange& days = statistics.period;
    const int log = int(statistics.files.size());
    statistics.files.append(input.fileName);
    Repricing::RecordReader reader(Repricing::ReadLogName(input.fileName, m_locale), m_settings);
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
        addCall(statistics.total, call);
        addCall(m_byType[std::size_t(call.type)], call);
        addCall(m_byBand[std::size_t(call.band)], call);
        addCall(dayTotals(call.date), call);
        if (call.startSecond)
            addCall(statistics.byHour[std::size_t(*call.startSecond / 3600)], call);
        keepIfDear(statistics.dearest, {log, i + 1}, call);
    }
    // The texts of the dearest calls of this log, while its bytes are here.
    for (DearCall& call : statistics.dearest) {
        if (call.place.log != log)
            continue;
        const QByteArrayView data = input.recordData(call.place.index - 1);
        call.libelle = CallRecord::storedText(data, 1);
        call.debut = CallRecord::storedText(data, 2);
    }
}

JournalStatistics StatisticsCounter::result() const {
    JournalStatistics statistics = m_statistics;
    for (const CommunicationType type : BasOrvalis::AllCommunicationTypes) {
        if (m_byType[std::size_t(type)].calls > 0)
            statistics.byType.append({type, m_byType[std::size_t(type)]});
    }
    // Local to national, then the numbers without a band.
    for (int band = 1; band <= BandSlots; ++band) {
        const CallTotals& totals = m_byBand[std::size_t(band % BandSlots)];
        if (totals.calls > 0)
            statistics.byBand.append({band % BandSlots, totals});
    }
    for (const auto& [day, totals] : m_byDay)
        statistics.byDay.append({QDate::fromJulianDay(day), totals});
    if (!statistics.byDay.isEmpty()) {
        if (!statistics.period.first.isValid())
            statistics.period.first = statistics.byDay.first().key;
        if (!statistics.period.last.isValid())
            statistics.period.last = statistics.byDay.last().key;
    }
    return statistics;
}

} // namespace BasJournal
