// Reading the month, the year and the locale from a log's name.
#include "reprice/LogName.h"

#include <QRegularExpression>

#include <algorithm>

namespace Repricing {

namespace {

QVector<QLocale> CandidateLocales(const QLocale& userLocale) {
    QVector<QLocale> locales;
    for (const QLocale& locale :
         {userLocale, QLocale::system(), QLocale(QLocale::French, QLocale::France),
          QLocale(QLocale::English, QLocale::UnitedStates)}) {
        const bool known = std::any_of(locales.begin(), locales.end(), [&locale](const QLocale& l) {
            return l.name() == locale.name();
        });
        if (!known)
            locales.append(locale);
    }
    return locales;
}

} // namespace

LogName ReadLogName(const QString& fileName, const QLocale& userLocale) {
    static const QRegularExpression pattern(QStringLiteral("^(.*)(\\d{4})\\.ccm$"),
                                            QRegularExpression::CaseInsensitiveOption);
    LogName name;
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (match.hasMatch()) {
        name.year = match.captured(2).toInt();
        const QString abbreviation = match.captured(1);
        for (const QLocale& locale : CandidateLocales(userLocale)) {
            for (int month = 1; month <= 12; ++month) {
                const QString monthName = locale.monthName(month, QLocale::ShortFormat);
                if (monthName.compare(abbreviation, Qt::CaseInsensitive) != 0)
                    continue;
                // Two locales that name the same month alike are both
                // possible writers; one that names another month is not.
                if (name.month == 0 || name.month == month) {
                    name.month = month;
                    name.locales.append(locale);
                }
            }
        }
    }
    if (name.locales.isEmpty())
        name.locales.append(userLocale);
    return name;
}

} // namespace Repricing
