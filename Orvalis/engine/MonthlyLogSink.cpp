// Appending the calculator's records to the month's log.
#include "engine/MonthlyLogSink.h"

#include "BasOrvalis/LogWriter.h"

#include <QDebug>

MonthlyLogSink::MonthlyLogSink(const Clock& clock)
    : m_clock(clock) {}

void MonthlyLogSink::append(const CallRecord& record) {
    m_lastError.clear();
    if (!BasOrvalis::AppendToMonthlyLog(record, m_clock.now(), &m_lastError))
        qWarning().noquote() << "Orvalis: enregistrement perdu, journal non écrit:" << m_lastError;
}
