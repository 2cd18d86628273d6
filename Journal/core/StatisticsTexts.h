// How the statistics window writes its figures: amounts with two decimals,
// durations in hours, minutes and seconds, distance bands by the standard
// type's number entries.
#pragma once

#include <QLocale>
#include <QString>

namespace BasJournal::StatisticsTexts {

// Two decimals, thousands grouped as the locale groups them: "1 234,50".
QString amountText(double amount, const QLocale& locale = QLocale());
// "hh:mm:ss", the hours going past 24: "125:00:07".
QString durationText(qint64 seconds);
// "Appel N° Local" .. "Appel N° National"; "Autres numéros" for band 0.
QString bandText(int band);

} // namespace BasJournal::StatisticsTexts
