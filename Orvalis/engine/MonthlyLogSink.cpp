// Appending the calculator's records to the month's log.
#include "MonthlyLogSink.h"

#include "LogWriter.h"

MonthlyLogSink::MonthlyLogSink(const Clock& clock)
    : m_clock(clock) {}

void MonthlyLogSink::append(const CallRecord& record) {
    m_lastError.clear();
    BasOrvalis::AppendToMonthlyLog(record, m_clock.now(), &m_lastError);
}
