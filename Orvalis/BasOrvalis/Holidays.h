// The eleven French public holidays of a year; the reduced rate applies all
// day on each of them.
#pragma once

#include <QDate>

#include <array>

namespace BasOrvalis {

// Indices: 0 New Year, 1 Easter Monday, 2 Labour Day, 3 Victory in Europe,
// 4 Ascension, 5 Whit Monday, 6 National Day, 7 Assumption, 8 All Saints,
// 9 Armistice, 10 Christmas.
using Holidays = std::array<QDate, 11>;

Holidays ComputeHolidays(int year);
QDate EasterSunday(int year);
bool IsHoliday(const Holidays& joursFeries, const QDate& date);

} // namespace BasOrvalis
