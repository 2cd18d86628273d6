// The standard tariff: the hour ranges and the reduced rate, the distance
// bands, and the split pricing shared by the standard call and the options.
#pragma once

#include "engine/CallState.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/Settings.h"

#include <QDateTime>
#include <QString>

namespace TariffEngine {

// Day of the week with Sunday = 1 and Saturday = 7.
int WeekDay(const QDate& date);

// Sets DiviseurReduit, PlageNuit and the package ranges for the instant
// `now`, the type and number shown. Types without reduction keep the range
// flags as they were.
void CalculPlagesHoraires(CallState& state, const QDateTime& now,
                          const BasOrvalis::Holidays& joursFeries,
                          BasOrvalis::CommunicationType type, const QString& number,
                          bool persoReductions);

// CreditEnCours and PrixSeconde of a band 1..5; any other band leaves them.
void SetBand(CallState& state, const BasOrvalis::Settings& settings, int band);

// The time credit while the elapsed seconds are within it, then every
// charged second once, at full or reduced rate by the rate in force, times
// `factor`. `charged` is the elapsed time, or the weighted one of Temporalis.
void SplitPricing(CallState& state, float charged, float creditPrice, float factor);

// "Communication standard": band from the number text, then split pricing.
void CalculStandard(CallState& state, const BasOrvalis::Settings& settings, const QString& number);

} // namespace TariffEngine
