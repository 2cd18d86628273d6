// The statistics of a period as JSON: amounts as numbers rounded to
// centimes, durations in whole seconds, dates as YYYY-MM-DD, whatever the
// user's locale.
#pragma once

#include "core/JournalStatistics.h"

#include <QString>

namespace StatisticsJson {

// {"period": {"from", "to"}, "files", "calls", "duration_s", "cost",
// "resets", "skipped", "by_type", "by_band", "by_day", "by_hour", "dearest"}
QString toJson(const BasJournal::JournalStatistics& statistics);

} // namespace StatisticsJson
