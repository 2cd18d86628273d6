// "Et si...": what the calls of a journal would have cost under each type of
// communication the re-pricing knows, and what each would have saved.
#pragma once

#include "core/JournalRows.h"
#include "reprice/Reprice.h"

#include "BasOrvalis/Settings.h"

#include <QLocale>
#include <QString>

namespace BasJournal::WhatIf {

// The journal's calls re-priced as "Communication standard", "Temporalis",
// "Forfait Local" and "Numéris Itoo" with the tariff values of `settings`;
// `caption` names the log, whose name tells the month and the locale of
// its records.
Repricing::Totals reprice(const JournalRows& rows, const QString& caption,
                          const BasOrvalis::Settings& settings, const QLocale& locale = QLocale());

// What the type would have saved on the calls it prices; negative when it
// would have cost more.
double saving(const Repricing::AlternativeTotal& total);

} // namespace BasJournal::WhatIf
