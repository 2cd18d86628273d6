// The period and date lists of the automatic reset of the total, and the
// date selected when a period is chosen.
#pragma once

#include "BasOrvalis/Settings.h"

#include <QString>
#include <QStringList>

namespace RazLists {

// "Faites une sélection", "Mensuelle", "Bimestrielle".
const QStringList& Periodes();

// The dates offered for `periode`, "Faites une sélection" first; that entry
// alone for any other text.
QStringList Dates(const QString& periode);

// The date selected after `periode` is chosen: the first entry while the
// automatic reset is not on in Settings; otherwise the stored date, or
// "Faites une sélection" when the stored date is not offered for `periode`.
QString DateSelectionnee(const QString& periode, const BasOrvalis::Settings& settings);

} // namespace RazLists
