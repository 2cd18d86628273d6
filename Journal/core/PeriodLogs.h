// The monthly logs that the statistics of a period read: those of the log
// folder whose names tell a month of the period or the month after it (a
// call that runs past the end of a month is logged in the next month's log,
// dated by the day it started), read in date order.
#pragma once

#include "reprice/Reprice.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

namespace BasJournal::PeriodLogs {

// The first day of the month that a log's name tells ("MARS2027.CCM",
// "Mar2027.ccm"); invalid when it tells none.
QDate monthOf(const QString& fileName, const QLocale& locale = QLocale());

// The names by the month they tell, those of the same month by name, then
// those that tell none in the order given. Names may be paths.
QStringList inDateOrder(const QStringList& names, const QLocale& locale = QLocale());

// From the first day of the earliest month the names tell to the last day
// of the latest; open when none tells a month.
Repricing::DayRange daysOf(const QStringList& names, const QLocale& locale = QLocale());

// The paths of the logs of `folder` that may hold calls of `days`, in date
// order; names are matched without regard to case.
QStringList covering(const QString& folder, const Repricing::DayRange& days,
                     const QLocale& locale = QLocale());

struct ReadLogs {
    QVector<Repricing::LogInput> logs;
    // "path : reason" for each file that could not be read.
    QStringList failures;
};

// The files' bytes, each known by its name without its folder.
ReadLogs read(const QStringList& paths);

} // namespace BasJournal::PeriodLogs
