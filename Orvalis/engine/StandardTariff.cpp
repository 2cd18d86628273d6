// The standard tariff: hour ranges, reduced rate, bands and split pricing.
#include "engine/StandardTariff.h"

#include "BasOrvalis/CommunicationLists.h"
#include "BasOrvalis/CommunicationTexts.h"

namespace TariffEngine {

using namespace BasOrvalis;

int WeekDay(const QDate& date) {
    // Qt counts Monday = 1 to Sunday = 7.
    return date.dayOfWeek() % 7 + 1;
}

namespace {

// Premium numbers other than 08-36-01-13-13, Audiotel, and the personalised
// tariff without its reductions always pay the full rate.
bool WithoutReduction(CommunicationType type, const QString& number, bool persoReductions) {
    switch (type) {
    case CommunicationType::Kiosque:
        return number != Numbers::Kiosque1313;
    case CommunicationType::Perso:
        return !persoReductions;
    case CommunicationType::Audiotel:
        return true;
    default:
        return false;
    }
}

} // namespace

void CalculPlagesHoraires(CallState& state, const QDateTime& now, const Holidays& joursFeries,
                          CommunicationType type, const QString& number, bool persoReductions) {
    if (WithoutReduction(type, number, persoReductions)) {
        state.DiviseurReduit = 1;
        return;
    }
    const int h = now.time().hour();
    const int d = WeekDay(now.date());
    const bool weekEnd = d == 1 || d == 7;
    state.PlageNuit = h >= 22 || h < 8;
    state.PlageForfaitLocal = h >= 18 || h < 8 || weekEnd;
    state.PlageLibreAcces = state.PlageForfaitLocal || (d == 4 && h >= 14);
    bool reduced = weekEnd || h < 8 || h >= 19;
    if (IsHoliday(joursFeries, now.date())) {
        state.PlageForfaitLocal = true;
        state.PlageLibreAcces = true;
        reduced = true;
    }
    state.DiviseurReduit = reduced ? 2 : 1;
}

void SetBand(CallState& state, const Settings& settings, int band) {
    if (band < 1 || band > BandCount)
        return;
    state.CreditEnCours = settings.CreditTemps[band - 1];
    state.PrixSeconde = settings.TarifMinute[band - 1] / 60.f;
}

void SplitPricing(CallState& state, float charged, float creditPrice, float factor) {
    // The credit is charged from the first priced tick, at full price, and
    // stays charged even when that tick comes after the credit has run out.
    state.PartsCout[0] = creditPrice;
    if (state.DureeSecondes > state.CreditEnCours) {
        if (state.DiviseurReduit == 1) {
            state.Unites[1] = charged - state.CreditEnCours - state.Unites[2];
            state.PartsCout[1] = state.PrixSeconde * state.Unites[1] * factor;
        } else {
            state.Unites[2] = charged - state.CreditEnCours - state.Unites[1];
            state.PartsCout[2] =
                state.PrixSeconde * state.Unites[2] / state.DiviseurReduit * factor;
        }
    }
    state.CoutAppel = state.PartsCout[1] + state.PartsCout[0] + state.PartsCout[2];
}

void CalculStandard(CallState& state, const Settings& settings, const QString& number) {
    SetBand(state, settings, DistanceBandOf(number));
    SplitPricing(state, state.DureeSecondes, settings.TarifCreditTemps, 1.f);
}

} // namespace TariffEngine
