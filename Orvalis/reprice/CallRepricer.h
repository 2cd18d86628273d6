// One logged call priced as each type of communication asked, with the
// tariff values of the settings and the holidays of the year it was made.
// "Forfait Local" keeps the time left of each month from call to call.
#pragma once

#include "reprice/CallPricing.h"
#include "reprice/LocalCallClocks.h"
#include "reprice/Reprice.h"

#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/Settings.h"

#include <QHash>
#include <QTime>

#include <array>

namespace Repricing {

class CallRepricer final {
public:
    CallRepricer(const BasOrvalis::Settings& settings,
                 const QVector<BasOrvalis::CommunicationType>& alternatives);

    // Sets call.costs; calls that use the "Forfait Local" hours come in the
    // order they were made.
    void price(RepricedCall& call);

private:
    std::optional<float> forfaitLocal(const RepricedCall& call, const CallClock& clock,
                                      const BasOrvalis::Holidays& joursFeries);
    const BasOrvalis::Holidays& holidays(int year);

    BasOrvalis::Settings m_settings;
    QVector<BasOrvalis::CommunicationType> m_alternatives;
    std::array<PricedLine, BasOrvalis::BandCount> m_standard;
    std::array<PricedLine, BasOrvalis::BandCount> m_temporalis;
    PricedLine m_numeris;
    PricedLine m_forfaitLocal;
    LocalCallClocks m_clocks;
    QHash<int, BasOrvalis::Holidays> m_holidays;
    // The "Forfait Local" time left, by year × 12 + month.
    QHash<int, QTime> m_forfaitLeft;
};

} // namespace Repricing
