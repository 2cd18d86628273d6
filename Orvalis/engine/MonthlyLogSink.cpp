// Appending the calculator's records to the month's log.
#include "engine/MonthlyLogSink.h"

#include "BasOrvalis/LogWriter.h"
#include "common/LogFile.h"

#include <QDir>

bool MonthlyLogSink::append(const CallRecord& record, const QDateTime& writtenAt,
                            WriteFailure* failure) {
    QString reason;
    if (BasOrvalis::AppendToMonthlyLog(record, writtenAt, &reason))
        return true;
    if (failure)
        *failure = {QDir::toNativeSeparators(BasOrvalis::MonthlyLogPath(writtenAt.date())), reason};
    return false;
}

QVector<CallRecord> MonthlyLogSink::recordsOfMonth(const QDateTime& writtenAt) const {
    QVector<CallRecord> records;
    LogFile::readAll(BasOrvalis::MonthlyLogPath(writtenAt.date()), &records);
    return records;
}
