// The text forms of the values kept in the settings store: how each kind of
// value is written and read back.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

namespace BasOrvalis::StoredText {

// Singles: the locale's plain text of the number ("0,742" in French), read
// back through ToSingle (a text that is no number reads as 0).
QString fromSingle(float value, const QLocale& locale = QLocale());
float toSingle(const QString& text, const QLocale& locale = QLocale());

// The total a reset writes: three decimals ("0,000" in French), read back
// as a Single.
QString fromResetTotal(float total, const QLocale& locale = QLocale());

// Amounts that may be unset (the monthly budget): the text of a Single, or
// an empty text for none. A text that is no number, or no amount above
// zero, reads as none.
QString fromAmountOrNone(const std::optional<float>& amount, const QLocale& locale = QLocale());
std::optional<float> toAmountOrNone(const QString& text, const QLocale& locale = QLocale());

// Flags, Longs and Integers: decimal integers.
QString fromInteger(int value);
std::optional<int> toInteger(const QString& text);

// Times of day and remaining package times: "hh:mm:ss".
QString fromTime(const QTime& time);
std::optional<QTime> toTime(const QString& text);

// Dates: the locale's short date.
QString fromDate(const QDate& date, const QLocale& locale = QLocale());
std::optional<QDate> toDate(const QString& text, const QLocale& locale = QLocale());

// Booleans: "True" / "False"; "1", "-1", "Vrai" and "0", "Faux" are read too
// (case ignored).
QString fromBoolean(bool value);
std::optional<bool> toBoolean(const QString& text);

} // namespace BasOrvalis::StoredText
