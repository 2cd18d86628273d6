// Appending the calculator's records to the month's log.
#include "BasOrvalis/LogWriter.h"

#include "common/LogFile.h"
#include "platform/AppFolders.h"

namespace BasOrvalis {

QString MonthlyLogPath(const QDate& date) {
    return AppFolders::resolveInFolder(AppFolders::logFolder(), LogFile::monthlyName(date));
}

bool AppendToMonthlyLog(const CallRecord& record, const QDateTime& now, QString* error) {
    // The month is the one in which the record is written.
    return LogFile::append(MonthlyLogPath(now.date()), record, error);
}

} // namespace BasOrvalis
