// Finding and reading the logs of a period.
#include "core/PeriodLogs.h"

#include "core/LogFolder.h"
#include "reprice/LogName.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <tuple>

namespace BasJournal::PeriodLogs {

namespace {

QDate monthStart(const QDate& day) {
    return QDate(day.year(), day.month(), 1);
}

} // namespace

QDate monthOf(const QString& fileName, const QLocale& locale) {
    const Repricing::LogName name = Repricing::ReadLogName(QFileInfo(fileName).fileName(), locale);
    return name.month == 0 || name.year == 0 ? QDate() : QDate(name.year, name.month, 1);
}

QStringList inDateOrder(const QStringList& names, const QLocale& locale) {
    QVector<std::pair<QDate, QString>> dated;
    for (const QString& name : names)
        dated.append({monthOf(name, locale), name});
    std::stable_sort(dated.begin(), dated.end(), [](const auto& a, const auto& b) {
        if (a.first.isValid() != b.first.isValid())
            return a.first.isValid();
        if (!a.first.isValid())
            return false;
        return std::tie(a.first, a.second) < std::tie(b.first, b.second);
    });
    QStringList ordered;
    for (const auto& entry : dated)
        ordered.append(entry.second);
    return ordered;
}

Repricing::DayRange daysOf(const QStringList& names, const QLocale& locale) {
    Repricing::DayRange days;
    for (const QString& name : names) {
        const QDate month = monthOf(name, locale);
        if (!month.isValid())
            continue;
        if (!days.first.isValid() || month < days.first)
            days.first = month;
        const QDate last = month.addMonths(1).addDays(-1);
        if (!days.last.isValid() || last > days.last)
            days.last = last;
    }
    return days;
}

QStringList covering(const QString& folder, const Repricing::DayRange& days,
                     const QLocale& locale) {
    const LogFolder logs(folder);
    QStringList paths;
    for (const QString& name : logs.logNames()) {
        const QDate month = monthOf(name, locale);
        const bool covered = month.isValid() &&
                             (!days.first.isValid() || month >= monthStart(days.first)) &&
                             (!days.last.isValid() || month <= monthStart(days.last).addMonths(1));
        if (covered)
            paths.append(logs.pathOf(name));
    }
    return inDateOrder(paths, locale);
}

ReadLogs read(const QStringList& paths) {
    ReadLogs read;
    for (const QString& path : paths) {
        Repricing::LogInput log;
        QString error;
        if (log.read(path, &error))
            read.logs.append(log);
        else
            read.failures.append(QStringLiteral("%1 : %2").arg(path, error));
    }
    return read;
}

} // namespace BasJournal::PeriodLogs
