// Writing and reading back the text forms of stored values.
#include "BasOrvalis/StoredText.h"

#include "BasOrvalis/ToSingle.h"
#include "platform/LocaleFormats.h"

#include <QStringList>

namespace BasOrvalis::StoredText {

QString fromSingle(float value, const QLocale& locale) {
    return LocaleFormats::plainNumber(value, locale);
}

float toSingle(const QString& text, const QLocale& locale) {
    return ToSingle(text, locale);
}

QString fromResetTotal(float total, const QLocale& locale) {
    return LocaleFormats::fixed(total, 3, locale);
}

QString fromAmountOrNone(const std::optional<float>& amount, const QLocale& locale) {
    return amount ? fromSingle(*amount, locale) : QString();
}

std::optional<float> toAmountOrNone(const QString& text, const QLocale& locale) {
    const float amount = toSingle(text.trimmed(), locale);
    if (amount > 0.f)
        return amount;
    return std::nullopt;
}

QString fromInteger(int value) {
    return QString::number(value);
}

std::optional<int> toInteger(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString fromTime(const QTime& time) {
    return LocaleFormats::clockText(time);
}

std::optional<QTime> toTime(const QString& text) {
    const QTime time = LocaleFormats::readClockText(text);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

QString fromDate(const QDate& date, const QLocale& locale) {
    return LocaleFormats::shortDate(date, locale);
}

std::optional<QDate> toDate(const QString& text, const QLocale& locale) {
    const QDate date = LocaleFormats::readShortDate(text.trimmed(), locale);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString fromBoolean(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> toBoolean(const QString& text) {
    static const QStringList trueTexts{QStringLiteral("True"), QStringLiteral("1"),
                                       QStringLiteral("-1"), QStringLiteral("Vrai")};
    static const QStringList falseTexts{QStringLiteral("False"), QStringLiteral("0"),
                                        QStringLiteral("Faux")};
    const QString trimmed = text.trimmed();
    if (trueTexts.contains(trimmed, Qt::CaseInsensitive))
        return true;
    if (falseTexts.contains(trimmed, Qt::CaseInsensitive))
        return false;
    return std::nullopt;
}

} // namespace BasOrvalis::StoredText
