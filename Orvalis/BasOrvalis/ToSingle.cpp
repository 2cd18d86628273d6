// Number texts to single-precision values, whichever separator was typed.
#include "BasOrvalis/ToSingle.h"

#include <cmath>

namespace BasOrvalis {

namespace {

// The text with its separator at `position` replaced by the locale's one.
float ReadWithSeparatorAt(const QString& text, int position, const QLocale& locale) {
    const QString localText = text.left(position) + locale.decimalPoint() + text.mid(position + 1);
    bool ok = false;
    const float value = locale.toFloat(localText, &ok);
    return ok ? value : 0.f;
}

float ReadText(const QString& text, const QLocale& locale) {
    // A separator in first position is not taken as one.
    const int comma = text.indexOf(QLatin1Char(','));
    if (comma >= 1)
        return ReadWithSeparatorAt(text, comma, locale);
    const int point = text.indexOf(QLatin1Char('.'));
    if (point >= 1)
        return ReadWithSeparatorAt(text, point, locale);
    if (point == 0)
        return 0.f;

    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok)
        return 0.f;
    // The text goes through the pattern "0.00#" first: three decimals at most.
    return locale.toFloat(locale.toString(value, 'f', 3));
}

} // namespace

float ToSingle(const QString& text, const QLocale& locale) {
    // "1e39", "inf" or "nan" is no amount a sum could be made of.
    const float value = ReadText(text, locale);
    return std::isfinite(value) ? value : 0.f;
}

} // namespace BasOrvalis
