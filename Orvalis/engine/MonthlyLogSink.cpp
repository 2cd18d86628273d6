// Appending the calculator's records to the month's log.
#include "engine/MonthlyLogSink.h"

#include "BasOrvalis/LogWriter.h"

#include <QDebug>

void MonthlyLogSink::append(const CallRecord& record, const QDateTime& writtenAt) {
    m_lastError.clear();
    if (!BasOrvalis::AppendToMonthlyLog(record, writtenAt, &m_lastError))
        qWarning().noquote() << "Orvalis: enregistrement perdu, journal non écrit:" << m_lastError;
}
