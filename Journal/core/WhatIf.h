// "Et si...": what the calls of a period would have cost under each type of
// communication the re-pricing knows, and what each would have saved.
#pragma once

#include "reprice/Reprice.h"

#include "BasOrvalis/Settings.h"

#include <QLocale>
#include <QVector>

namespace BasJournal::WhatIf {

// The calls of `logs` that started within `days`, re-priced as
// "Communication standard", "Temporalis", "Forfait Local" and "Numéris
// Itoo" with the tariff values of `settings`; each log's name tells the
// month and the locale of its records.
Repricing::Totals reprice(const QVector<Repricing::LogInput>& logs, const Repricing::DayRange& days,
                          const BasOrvalis::Settings& settings, const QLocale& locale = QLocale());

// What the type would have saved on the calls it prices; negative when it
// would have cost more.
double saving(const Repricing::AlternativeTotal& total);

} // namespace BasJournal::WhatIf
