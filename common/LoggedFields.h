// The numbers a log record holds as text: its amounts ("0,74", "12.50")
// and its duration ("01:02:03"). A log keeps them as the calculator showed
// them, in the locale of the day: either decimal separator is read.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace LoggedFields {

// An amount of a cost or total field: an optional minus sign, digits and
// at most one decimal separator, "," or ".", read to the nearest double;
// none for a placeholder such as the "#.##" of a reset.
std::optional<double> readAmount(QStringView text);

// A duration "hh:mm:ss" in seconds, hours of one digit or more, minutes and
// seconds of two below 60; none for a placeholder such as "##:##:##".
std::optional<int> readDurationSeconds(QStringView text);

} // namespace LoggedFields
