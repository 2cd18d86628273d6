// The options priced by the second and the remaining time of the packages.
#include "engine/OptionTariffs.h"

#include "engine/StandardTariff.h"

#include "BasOrvalis/CommunicationLists.h"

#include <algorithm>

namespace TariffEngine {

using namespace BasOrvalis;

void PrimalisteTarif(CallState& state, const Settings& settings, int position) {
    // A zone outside 1..5 keeps the band of the previous call.
    if (position >= 1 && position <= PrimalisteCount)
        SetBand(state, settings, settings.ZonesPrimaliste[position]);
    SplitPricing(state, state.DureeSecondes, settings.TarifCreditTemps, 0.75f);
}

void PrimalisteInternetTarif(CallState& state, const Settings& settings) {
    SetBand(state, settings, 1);
    const float halfCredit = settings.TarifCreditTemps / 2.f;
    const float e = state.DureeSecondes;
    if (e < state.CreditEnCours)
        state.CoutAppel = halfCredit;
    else
        state.CoutAppel =
            (e - state.CreditEnCours) * state.PrixSeconde / state.DiviseurReduit * 0.5f +
            halfCredit;
}

int CalculTemporalis(CallState& state, const Settings& settings, const QString& number) {
    SetBand(state, settings, DistanceBandOf(number));
    return TemporalisTarif(state, settings);
}

int TemporalisTarif(CallState& state, const Settings& settings) {
    // Each slice is taken from the elapsed time itself, so that a late tick
    // weighs the seconds it skipped like ticks on time would have.
    const float e = state.DureeSecondes;
    auto& slices = state.SecondesTemporalis;
    slices[0] = e < 300.f ? e : 299.f;
    slices[1] = e < 300.f ? 0.f : (std::min(e, 599.f) - 299.f) * 0.9f;
    slices[2] = e < 600.f ? 0.f : (std::min(e, 899.f) - 599.f) * 0.8f;
    slices[3] = e < 900.f ? 0.f : (e - 899.f) * 0.7f;
    const int slice = e < 300.f ? 0 : e < 600.f ? 1 : e < 900.f ? 2 : 3;
    const float weighted = slices[1] + slices[0] + slices[2] + slices[3];
    SplitPricing(state, weighted, settings.TarifCreditTemps, 1.f);
    return slice;
}

void CalculNumeris(CallState& state, const Settings& settings) {
    SetBand(state, settings, 1);
    SplitPricing(state, state.DureeSecondes, settings.TarifCreditTemps * 0.6f, 0.6f);
}

void CalculPerso(CallState& state, const Settings& settings) {
    const float e = state.DureeSecondes;
    state.PartsCout[0] = settings.PersoTarifCredit;
    if (e > settings.PersoDureeCredit) {
        if (state.DiviseurReduit == 1 || !settings.PersoReductions) {
            state.Unites[1] = e - settings.PersoDureeCredit - state.Unites[2];
            state.PartsCout[1] = settings.PersoCoutMinute * state.Unites[1] / 60.f;
        } else {
            state.Unites[2] = e - settings.PersoDureeCredit - state.Unites[1];
            state.PartsCout[2] =
                settings.PersoCoutMinute * state.Unites[2] / 60.f / state.DiviseurReduit;
        }
    }
    state.CoutAppel = state.PartsCout[1] + state.PartsCout[0] + state.PartsCout[2];
}

QTime TempsRestant(const QTime& temps, int elapsedSeconds) {
    const int left = std::max(0, QTime(0, 0).secsTo(temps) - elapsedSeconds);
    return QTime(0, 0).addSecs(left);
}

} // namespace TariffEngine
