// Texts of the statistics window.
#include "core/StatisticsTexts.h"

#include "BasOrvalis/CommunicationTexts.h"

namespace BasJournal::StatisticsTexts {

QString amountText(double amount, const QLocale& locale) {
    return locale.toString(amount, 'f', 2);
}

QString durationText(qint64 seconds) {
    const auto twoDigits = [](qint64 value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    return QStringLiteral("%1:%2:%3")
        .arg(twoDigits(seconds / 3600), twoDigits(seconds / 60 % 60), twoDigits(seconds % 60));
}

QString bandText(int band) {
    const QStringList& entries = BasOrvalis::Numbers::DistanceEntries();
    return band >= 1 && band <= entries.size() ? entries.at(band - 1)
                                               : QStringLiteral("Autres numéros");
}

} // namespace BasJournal::StatisticsTexts
