// The user's regional formats, read from QLocale.
#include "platform/LocaleFormats.h"

#include <QRegularExpression>

namespace LocaleFormats {

QString shortDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // Two-digit years keep the date within the 8 characters of a log field.
    format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yy"));
    return format;
}

QString shortDate(const QDate& date, const QLocale& locale) {
    return locale.toString(date, shortDateFormat(locale));
}

QString fullYearDateFormat(const QLocale& locale) {
    return shortDateFormat(locale).replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
}

QDate readShortDate(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    QDate date = locale.toDate(trimmed, shortDateFormat(locale));
    if (date.isValid()) {
        // Two-digit years: 00 to 29 are 2000 to 2029, 30 to 99 are 1930 to 1999.
        const int century = date.year() - date.year() % 100;
        const int twoDigits = date.year() % 100;
        return date.addYears((twoDigits < 30 ? 2000 : 1900) - century);
    }
    return locale.toDate(trimmed, fullYearDateFormat(locale));
}

QString longTimeFormat(const QLocale& locale) {
    // The time zone is not part of a time of day on the screen or in a log.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));
    return format.trimmed();
}

QString longTime(const QTime& time, const QLocale& locale) {
    return locale.toString(time, longTimeFormat(locale));
}

QString monthAbbreviation(const QDate& date, const QLocale& locale) {
    return locale.monthName(date.month(), QLocale::ShortFormat);
}

QChar decimalSeparator(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

namespace {

QLocale withoutGrouping(QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

QString plainNumber(float value, const QLocale& locale) {
    // Seven significant digits, the precision of a single.
    return withoutGrouping(locale).toString(double(value), 'g', 7);
}

QString fixed(double value, int decimals, const QLocale& locale) {
    return withoutGrouping(locale).toString(value, 'f', decimals);
}

QString clockText(const QTime& time) {
    return time.toString(QStringLiteral("hh:mm:ss"));
}

QTime readClockText(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QTime();
    return QTime(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

} // namespace LocaleFormats
