// The checks of the configuration boxes when they lose the focus: numbers in
// the user's locale, remaining times as hh:mm:ss.
#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

namespace ConfigChecks {

// True when `text` is a number written with the locale's decimal separator
// and nothing else: under French settings "0,5" passes and "0.5" does not.
bool IsLocaleNumber(const QString& text, const QLocale& locale = QLocale());

// A remaining time typed as hh:mm:ss (one-digit fields and hh:mm are read
// too); nothing when the text is no valid time of day.
std::optional<QTime> ReadTime(const QString& text);

} // namespace ConfigChecks
