// The France Télécom options priced by the second: Primaliste, Primaliste
// Internet, Temporalis, Numéris Itoo, the personalised tariff, and the
// remaining time of the packages.
#pragma once

#include "engine/CallState.h"

#include "BasOrvalis/Settings.h"

#include <QString>
#include <QTime>

namespace TariffEngine {

// Primaliste once the number is known to be configured: the zone of the
// number at `position` (1..6) gives the band, then 0.75 of the per-second
// parts.
void PrimalisteTarif(CallState& state, const BasOrvalis::Settings& settings, int position);

// Primaliste Internet once the night is known to be in force: half credit,
// half the per-second price.
void PrimalisteInternetTarif(CallState& state, const BasOrvalis::Settings& settings);

// Temporalis: the band from the number text, the length slices, then the
// split pricing of the weighted seconds. Returns the slice in force (0..3).
int CalculTemporalis(CallState& state, const BasOrvalis::Settings& settings, const QString& number);
// The same once the band is set.
int TemporalisTarif(CallState& state, const BasOrvalis::Settings& settings);

// Numéris Itoo: local band, 0.6 of the credit and of every second.
void CalculNumeris(CallState& state, const BasOrvalis::Settings& settings);

// "Communication Personnalisée": its own credit and price per minute.
void CalculPerso(CallState& state, const BasOrvalis::Settings& settings);

// The package time left after `elapsedSeconds`, never below 00:00:00.
QTime TempsRestant(const QTime& temps, int elapsedSeconds);

} // namespace TariffEngine
