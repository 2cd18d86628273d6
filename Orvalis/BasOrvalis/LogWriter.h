// The writers of the calculator's monthly logs: one record appended to the
// file of the current month in the log folder. Failures are reported to the
// caller, never raised.
#pragma once

#include "common/CallRecord.h"

#include <QDateTime>
#include <QString>

namespace BasOrvalis {

// The path of the log of the month of `date` in the log folder (an existing
// file of that name in any letter case is reused).
QString MonthlyLogPath(const QDate& date);

// Appends `record` to the log of the month of `now`. False, with *error set
// when given, when the file cannot be written.
bool AppendToMonthlyLog(const CallRecord& record, const QDateTime& now, QString* error = nullptr);

} // namespace BasOrvalis
