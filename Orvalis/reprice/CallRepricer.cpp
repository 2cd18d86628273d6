// One logged call priced as each type asked.
#include "reprice/CallRepricer.h"

namespace Repricing {

using namespace BasOrvalis;

namespace {

constexpr int LocalBand = 1;

// Each month starts with the six hours of the package.
const QTime ForfaitLocalHours(6, 0);

int PlaceOf(CommunicationType type) {
    return static_cast<int>(Alternatives().indexOf(type));
}

} // namespace

CallRepricer::CallRepricer(const Settings& settings, const QVector<CommunicationType>& alternatives)
    : m_settings(settings)
    , m_alternatives(alternatives)
    , m_numeris(DistanceLine(CommunicationType::Numeris, LocalBand))
    , m_forfaitLocal(DistanceLine(CommunicationType::ForfaitLocal, LocalBand)) {
    for (int band = 1; band <= BandCount; ++band) {
        m_standard[band - 1] = DistanceLine(CommunicationType::Standard, band);
        m_temporalis[band - 1] = DistanceLine(CommunicationType::Temporalis, band);
    }
}

void CallRepricer::price(RepricedCall& call) {
    const CallClock clock = m_clocks.of(call.date, call.startSecond, call.seconds);
    const Holidays& joursFeries = holidays(call.date.year());
    const bool local = call.band == LocalBand;
    const auto priced = [&](const PricedLine& line) {
        return PriceCall(line, clock, call.seconds, m_settings, joursFeries).cost;
    };
    for (const CommunicationType type : m_alternatives) {
        std::optional<float>& cost = call.costs[static_cast<std::size_t>(PlaceOf(type))];
        switch (type) {
        case CommunicationType::Standard:
            cost = priced(m_standard[call.band - 1]);
            break;
        case CommunicationType::Temporalis:
            cost = priced(m_temporalis[call.band - 1]);
            break;
        case CommunicationType::Numeris:
            if (local)
                cost = priced(m_numeris);
            break;
        case CommunicationType::ForfaitLocal:
            if (local)
                cost = forfaitLocal(call, clock, joursFeries);
            break;
        default:
            break;
        }
    }
}

std::optional<float> CallRepricer::forfaitLocal(const RepricedCall& call, const CallClock& clock,
                                                const Holidays& joursFeries) {
    QTime& left = m_forfaitLeft[call.date.year() * 12 + call.date.month() - 1];
    if (!left.isValid())
        left = ForfaitLocalHours;
    m_settings.TempsForfaitLocal = left;
    const PricedCall package =
        PriceCall(m_forfaitLocal, clock, call.seconds, m_settings, joursFeries);
    // The calculator refuses the package outside its hours at the first
    // second: the call could not have been made under it.
    if (package.stop == CallStop::OutsideHours && package.seconds == 1)
        return std::nullopt;
    left = package.remaining;
    if (package.stop == CallStop::None)
        return package.cost;
    // The rest of the call is a standard local call of its own, with its
    // own time credit, from the second at which the package stopped.
    const PricedCall rest = PriceCall(m_standard[LocalBand - 1], clock.after(package.seconds),
                                      call.seconds - package.seconds, m_settings, joursFeries);
    return package.cost + rest.cost;
}

const Holidays& CallRepricer::holidays(int year) {
    auto found = m_holidays.constFind(year);
    if (found == m_holidays.cend())
        found = m_holidays.insert(year, ComputeHolidays(year));
    return *found;
}

} // namespace Repricing
