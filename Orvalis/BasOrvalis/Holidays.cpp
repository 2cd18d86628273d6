// The French public holidays: eight fixed dates and three that follow Easter.
#include "BasOrvalis/Holidays.h"

#include <algorithm>

namespace BasOrvalis {

QDate EasterSunday(int year) {
    // The anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int x = h + l - 7 * m;
    return QDate(year, (x + 114) / 31, (x + 114) % 31 + 1);
}

Holidays ComputeHolidays(int year) {
    const QDate easter = EasterSunday(year);
    return {
        QDate(year, 1, 1),  easter.addDays(1),   QDate(year, 5, 1),   QDate(year, 5, 8),
        easter.addDays(39), easter.addDays(50),  QDate(year, 7, 14),  QDate(year, 8, 15),
        QDate(year, 11, 1), QDate(year, 11, 11), QDate(year, 12, 25),
    };
}

bool IsHoliday(const Holidays& joursFeries, const QDate& date) {
    return std::find(joursFeries.begin(), joursFeries.end(), date) != joursFeries.end();
}

} // namespace BasOrvalis
