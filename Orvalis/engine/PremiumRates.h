// The premium-rate numbers priced by the started minute: Kiosque Micro with
// its list of rates, and Audiotel in multiples of the time credit.
#pragma once

#include "engine/CallState.h"

#include "BasOrvalis/Settings.h"

#include <QString>
#include <QStringList>

namespace TariffEngine {

// What RemplirTarifsKiosque puts in the window for a Kiosque Micro number:
// the panel title and the rate texts (each read and written back in the
// locale, "0,25" under French settings). No entry for an unknown number.
struct KiosqueRates {
    QString title;
    QStringList rates;
};
KiosqueRates RemplirTarifsKiosque(const QString& number);

// Started minutes: 1 from the first second, 2 from second 60, and so on.
float StartedMinutes(float dureeSecondes);

// Kiosque Micro at the rate text chosen. Every started minute and the
// connection charge are charged once, whatever the changes of rate of
// 08-36-01-13-13; with no rate chosen the call costs nothing.
void CalculKiosque(CallState& state, const QString& number, const QString& rateText);

// Audiotel by prefix; an unknown prefix leaves CoutAppel as it is.
void CalculAudiotel(CallState& state, const BasOrvalis::Settings& settings, const QString& number);

} // namespace TariffEngine
