// The re-pricing of a period's calls.
#include "core/WhatIf.h"

namespace BasJournal::WhatIf {

Repricing::Totals reprice(const QVector<Repricing::LogInput>& logs, const Repricing::DayRange& days,
                          const BasOrvalis::Settings& settings, const QLocale& locale) {
    return Repricing::Reprice(logs, Repricing::Alternatives(), settings, locale, days).totals;
}

double saving(const Repricing::AlternativeTotal& total) {
    return total.logged - total.cost;
}

} // namespace BasJournal::WhatIf
