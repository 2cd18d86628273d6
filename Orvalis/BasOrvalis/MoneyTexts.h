// How amounts of money are written: the cost of the call so far and the
// running total where the windows show them, and the cost of a call in its
// log record. Amounts stay single-precision francs until one of these writes
// them; nothing reads them back. An amount that is no finite number is
// written as 0.
#pragma once

#include <QLocale>
#include <QString>

namespace BasOrvalis {

// LblAffichageCout: three decimals ("0.000"), 0,445 in French.
QString CostDisplayText(float cost, const QLocale& locale = QLocale());

// LblAffichageTotal: two decimals ("0.00").
QString TotalDisplayText(float total, const QLocale& locale = QLocale());

// The cost field of a call's record: the cost as displayed, rounded to
// centimes half away from zero on its decimal digits, so that 0,445 is
// logged 0,45 and the log adds up to the bill the user saw.
QString LoggedCostText(float cost, const QLocale& locale = QLocale());

} // namespace BasOrvalis
