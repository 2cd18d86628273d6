// What the name of a monthly log tells of its records: the month and the
// year of the month's file, and the locales whose abbreviated month name it
// bears, which are the locales that may have written its dates and times.
#pragma once

#include <QLocale>
#include <QString>
#include <QVector>

namespace Repricing {

struct LogName {
    // Four digits; 0 when the name bears no year.
    int year = 0;
    // 1 to 12; 0 when the name bears no month of any known locale.
    int month = 0;
    // The locales that may have written the log, most likely first: those
    // whose abbreviation of the month the name bears, else the user's.
    QVector<QLocale> locales;
};

// Reads a file name such as "avr.2027.ccm" or "APR2027.CCM" (the case does
// not matter). The locales looked at are the user's, the system's, French
// and American English.
LogName ReadLogName(const QString& fileName, const QLocale& userLocale = QLocale());

} // namespace Repricing
