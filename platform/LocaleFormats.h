// The user's regional formats as the programs use them: short date with a
// two-digit year (it fits the 8-character log field), long time, the
// abbreviated month name and the decimal separator.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace LocaleFormats {

QString shortDateFormat(const QLocale& locale = QLocale());
QString shortDate(const QDate& date, const QLocale& locale = QLocale());
// The short date with a four-digit year: "dd/MM/yyyy" in French.
QString fullYearDateFormat(const QLocale& locale = QLocale());
// Reads a short date text back; two-digit years 00..29 are 2000..2029, 30..99
// are 1930..1999. Also takes four-digit years. Invalid QDate when unreadable.
QDate readShortDate(const QString& text, const QLocale& locale = QLocale());

QString longTimeFormat(const QLocale& locale = QLocale());
QString longTime(const QTime& time, const QLocale& locale = QLocale());

// Abbreviated month name ("mmm"): "déc." in French, "Dec" in English.
QString monthAbbreviation(const QDate& date, const QLocale& locale = QLocale());

QChar decimalSeparator(const QLocale& locale = QLocale());

// A single-precision value as plain text with the locale's separator: 0,742.
QString plainNumber(float value, const QLocale& locale = QLocale());
// Fixed decimals in the locale: fixed(1.5f, 3) is "1,500" in French.
QString fixed(double value, int decimals, const QLocale& locale = QLocale());

// Durations and remaining times, "hh:mm:ss".
QString clockText(const QTime& time);
QTime readClockText(const QString& text);

} // namespace LocaleFormats
