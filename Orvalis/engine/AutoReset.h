// The rules of the automatic reset of the total: monthly or every other
// month, from a day of the month. Only the month of the last reset is
// compared, not its year.
#pragma once

#include "BasOrvalis/Settings.h"

#include <QDate>
#include <QString>

namespace TariffEngine {

// Each answers true when no reset is due; when one is due it answers false
// and has set `derniereRaz` to `today`.
bool RazMensuelle(const QString& razDate, QDate& derniereRaz,
                  const BasOrvalis::StartDate& startDate, const QDate& today);
bool RazBimestrielle(const QString& razDate, QDate& derniereRaz,
                     const BasOrvalis::StartDate& startDate, const QDate& today);

// True when the automatic reset the settings ask for, monthly or every other
// month, is due `today`; DerniereRaz is then `today`.
bool RazDue(BasOrvalis::Settings& settings, const BasOrvalis::StartDate& startDate,
            const QDate& today);

} // namespace TariffEngine
