// Pricing a whole call one stretch of constant rate at a time.
#include "reprice/CallPricing.h"

#include "engine/CallState.h"
#include "engine/OptionTariffs.h"
#include "engine/PremiumRates.h"
#include "engine/StandardTariff.h"

#include "BasOrvalis/CommunicationLists.h"

#include <algorithm>
#include <array>

namespace Repricing {

using namespace BasOrvalis;
using namespace TariffEngine;

namespace {

constexpr qint64 SecondsPerDay = 24 * 3600;

// The times of day at which an hour range or the reduced rate may begin or
// end; the last one is midnight, when the day of the week and the holiday
// change.
constexpr std::array<int, 6> RateChanges{8 * 3600,  14 * 3600, 18 * 3600,
                                         19 * 3600, 22 * 3600, 24 * 3600};

// The first change of rate after the wall clock `wall`.
qint64 NextRateChange(qint64 wall) {
    const qint64 day = wall / SecondsPerDay;
    const int second = static_cast<int>(wall % SecondsPerDay);
    const int next = *std::upper_bound(RateChanges.begin(), RateChanges.end(), second);
    return day * SecondsPerDay + next;
}

// The wall clock as the calculator's clock shows it.
QDateTime WallTime(qint64 wall) {
    return QDateTime(QDate::fromJulianDay(wall / SecondsPerDay),
                     QTime::fromMSecsSinceStartOfDay(static_cast<int>(wall % SecondsPerDay) * 1000),
                     Qt::UTC);
}

// The call in progress: the engine's state, priced at the last second of
// each stretch.
class StretchPricing final {
public:
    StretchPricing(const PricedLine& line, const Settings& settings)
        : m_line(line)
        , m_settings(settings) {
        switch (line.type) {
        case CommunicationType::Standard:
        case CommunicationType::Temporalis:
            SetBand(m_state, settings, line.band);
            break;
        case CommunicationType::ForfaitLocal:
            m_package = &settings.TempsForfaitLocal;
            break;
        case CommunicationType::LibreAcces:
            m_package = &settings.TempsLibreAcces;
            break;
        default:
            break;
        }
        if (m_package)
            m_result.remaining = *m_package;
    }

    CallState& state() { return m_state; }

    // What stops the call at its first second, whatever the hour.
    void refuseAtOnce() {
        const bool numbered = m_line.type == CommunicationType::Primaliste ||
                              m_line.type == CommunicationType::PrimalisteInternet;
        if (m_line.type == CommunicationType::FaitesUneSelection)
            stopAt(1, CallStop::NoType);
        else if (numbered && m_line.number == Numbers::NonConfigure)
            stopAt(1, CallStop::NotConfigured);
    }

    bool stopped() const { return m_result.stop != CallStop::None; }

    // Seconds `first` to `last` at the rate and in the ranges of the state.
    void price(int first, int last) {
        m_state.DureeSecondes = static_cast<float>(last);
        switch (m_line.type) {
        case CommunicationType::Standard:
            SplitPricing(m_state, m_state.DureeSecondes, m_settings.TarifCreditTemps, 1.f);
            break;
        case CommunicationType::Primaliste:
            PrimalisteTarif(m_state, m_settings, m_line.position);
            break;
        case CommunicationType::PrimalisteInternet:
            if (m_state.PlageNuit)
                PrimalisteInternetTarif(m_state, m_settings);
            else
                stopAt(first, CallStop::OutsideHours);
            break;
        case CommunicationType::Temporalis:
            TemporalisTarif(m_state, m_settings);
            break;
        case CommunicationType::Numeris:
            CalculNumeris(m_state, m_settings);
            break;
        case CommunicationType::Perso:
            CalculPerso(m_state, m_settings);
            break;
        case CommunicationType::Kiosque:
            CalculKiosque(m_state, m_line.number, m_line.rate);
            break;
        case CommunicationType::Audiotel:
            CalculAudiotel(m_state, m_settings, m_line.number);
            break;
        case CommunicationType::ForfaitLocal:
            packageSeconds(first, last, m_state.PlageForfaitLocal);
            break;
        case CommunicationType::LibreAcces:
            packageSeconds(first, last, m_state.PlageLibreAcces);
            break;
        case CommunicationType::FaitesUneSelection:
            break;
        }
    }

    PricedCall result(int seconds) {
        if (m_result.stop == CallStop::None)
            m_result.seconds = seconds;
        m_result.cost = m_state.CoutAppel;
        return m_result;
    }

private:
    // The stop of the call at `second`: its cost stays the one of the
    // second before.
    void stopAt(int second, CallStop stop) {
        m_result.seconds = second;
        m_result.stop = stop;
    }

    // A package's seconds cost nothing. Each second first looks at the
    // hours, then at the time left after the second before: the first
    // second with none left stops the call.
    void packageSeconds(int first, int last, bool inHours) {
        if (!inHours) {
            stopAt(first, CallStop::OutsideHours);
            return;
        }
        const int allowance = QTime(0, 0).secsTo(*m_package);
        const int usedUp =
            m_result.remaining == QTime(0, 0) ? first : std::max(first + 1, allowance + 1);
        if (usedUp <= last) {
            m_result.remaining = QTime(0, 0);
            stopAt(usedUp, CallStop::PackageUsedUp);
            return;
        }
        m_result.remaining = TempsRestant(*m_package, last);
        m_state.CoutAppel = 0.f;
    }

    const PricedLine& m_line;
    const Settings& m_settings;
    const QTime* m_package = nullptr;
    CallState m_state;
    PricedCall m_result;
};

} // namespace

PricedLine LineOf(CommunicationType type, const QString& number, const QString& rate,
                  const Settings& settings) {
    PricedLine line;
    line.type = type;
    line.number = number;
    line.rate = rate;
    line.band = DistanceBandOf(number);
    const auto primaliste = settings.NumerosPrimaliste.begin() + 1;
    const auto found = std::find(primaliste, primaliste + PrimalisteCount, number);
    if (found != primaliste + PrimalisteCount)
        line.position = static_cast<int>(found - primaliste) + 1;
    return line;
}

PricedLine DistanceLine(CommunicationType type, int band) {
    PricedLine line;
    line.type = type;
    line.number = Numbers::DistanceEntries().at(band - 1);
    line.band = band;
    return line;
}

PricedCall PriceCall(const PricedLine& line, const CallClock& clock, int seconds,
                     const Settings& settings, const Holidays& joursFeries) {
    StretchPricing pricing(line, settings);
    if (seconds > 0)
        pricing.refuseAtOnce();
    for (int first = 1; first <= seconds && !pricing.stopped();) {
        const qint64 wall = clock.wallAt(first);
        const qint64 untilChange = NextRateChange(wall) - wall;
        const int last = static_cast<int>(std::min<qint64>(
            {first + untilChange - 1, clock.nextChangeAfter(first) - 1LL, seconds}));
        CalculPlagesHoraires(pricing.state(), WallTime(wall), joursFeries, line.type, line.number,
                             settings.PersoReductions);
        pricing.price(first, last);
        first = last + 1;
    }
    return pricing.result(seconds);
}

} // namespace Repricing
