// A whole call priced in one step per stretch of constant rate, instead of
// one step per second: between two changes of the hour ranges (08:00, 14:00,
// 18:00, 19:00, 22:00, midnight) or of the clock, the calculator's pricing
// procedure of the type runs once, for the last second of the stretch. Every
// procedure keeps, from one second to the next of a stretch, only what it
// rewrites at the last one, so the call ends with the cost, the stop and the
// package time left that the one-second tick gives it, bit for bit.
#pragma once

#include "reprice/CallClock.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/Settings.h"

#include <QString>
#include <QTime>

namespace Repricing {

// What a call was made to, as the pricing procedures read it.
struct PricedLine {
    BasOrvalis::CommunicationType type = BasOrvalis::CommunicationType::Standard;
    // The entry chosen in the number list.
    QString number;
    // Kiosque Micro: the rate shown; empty when the list has none.
    QString rate;
    // The distance band that the entry names, 0 when it names none.
    int band = 0;
    // Primaliste: the place of the number in its list, 1 to 6.
    int position = 0;
};

// The line of the type, the number entry and the rate chosen in the lists.
PricedLine LineOf(BasOrvalis::CommunicationType type, const QString& number, const QString& rate,
                  const BasOrvalis::Settings& settings);
// A call of `type` to a number of `band` (1..5).
PricedLine DistanceLine(BasOrvalis::CommunicationType type, int band);

// What stopped a call before its end.
enum class CallStop {
    None,
    // No type chosen.
    NoType,
    // A Primaliste number that is not configured.
    NotConfigured,
    // Primaliste Internet by day, a package outside its hours.
    OutsideHours,
    // A package with no time left.
    PackageUsedUp,
};

struct PricedCall {
    float cost = 0.f;
    // The seconds priced: the length of the call, or the second at which the
    // pricing stopped it.
    int seconds = 0;
    CallStop stop = CallStop::None;
    // Forfait Local and Libre @cces: the time left when the call ends;
    // invalid for other types.
    QTime remaining;
};

// Prices a call of `seconds` (the duration shown at its stop) as the
// calculator, started afresh, prices it: the tariff values and the package
// times of `settings`, the holidays of `joursFeries`, the hours of `clock`.
PricedCall PriceCall(const PricedLine& line, const CallClock& clock, int seconds,
                     const BasOrvalis::Settings& settings, const BasOrvalis::Holidays& joursFeries);

} // namespace Repricing
