// The one conversion of number texts, typed or stored, to single-precision
// values; "," and "." are both taken as the decimal separator.
#pragma once

#include <QLocale>
#include <QString>

namespace BasOrvalis {

// The first "," (or, when there is none past the first character, the first
// ".") stands for the locale's decimal separator, so "0,742" and "0.742" read
// alike under any locale. A text that begins with "." or is no number, or no
// finite Single ("1e39", "nan"), reads as 0.
float ToSingle(const QString& text, const QLocale& locale = QLocale());

} // namespace BasOrvalis
