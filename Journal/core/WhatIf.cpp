// The re-pricing of a journal's calls.
#include "core/WhatIf.h"

namespace BasJournal::WhatIf {

Repricing::Totals reprice(const JournalRows& rows, const QString& caption,
                          const BasOrvalis::Settings& settings, const QLocale& locale) {
    return Repricing::Reprice({{caption, rows.records()}}, Repricing::Alternatives(), settings,
                              locale)
        .totals;
}

double saving(const Repricing::AlternativeTotal& total) {
    return total.logged - total.cost;
}

} // namespace BasJournal::WhatIf
