// Kiosque Micro and Audiotel, priced by the started minute.
#include "engine/PremiumRates.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/ToSingle.h"
#include "platform/LocaleFormats.h"

#include <cmath>

namespace TariffEngine {

using namespace BasOrvalis;

namespace {

constexpr float ConnectionCharge = 0.12f;

const QString& NoReductionTitle() {
    static const QString title = QStringLiteral("Pas de réduction applicable");
    return title;
}

// The rate texts of each Kiosque Micro number, in list order.
QStringList RateTexts(int kiosqueIndex) {
    switch (kiosqueIndex) {
    case 0:
        return {QStringLiteral("0.25")};
    case 1:
        return {QStringLiteral("0.37")};
    case 2:
        return {QStringLiteral("0.00"), QStringLiteral("0.37"), QStringLiteral("0.25"),
                QStringLiteral("0.45"), QStringLiteral("0.85"), QStringLiteral("1.01"),
                QStringLiteral("1.29"), QStringLiteral("2.23")};
    case 3:
        return {QStringLiteral("1.29")};
    case 4:
        return {QStringLiteral("0.37"), QStringLiteral("2.23"), QStringLiteral("3.48"),
                QStringLiteral("5.57"), QStringLiteral("9.21")};
    default:
        return {};
    }
}

// Prices of the Audiotel prefixes 08-36-64 to 08-36-70 in time credits:
// per started minute, and once per call.
struct AudiotelPrice {
    float perMinute;
    float perCall;
};
constexpr AudiotelPrice AudiotelPrices[] = {{1, 0}, {0, 5}, {0, 5}, {2, 0},
                                            {3, 0}, {3, 0}, {3, 12}};

} // namespace

KiosqueRates RemplirTarifsKiosque(const QString& number) {
    const int index = Numbers::KiosqueNumbers().indexOf(number);
    KiosqueRates result;
    if (index < 0)
        return result;
    result.title = number == Numbers::Kiosque1313 ? QStringLiteral("Réductions Kiosque Micro")
                                                  : NoReductionTitle();
    for (const QString& text : RateTexts(index))
        result.rates << LocaleFormats::plainNumber(ToSingle(text));
    return result;
}

float StartedMinutes(float dureeSecondes) {
    return std::floor(dureeSecondes / 60.f) + 1.f;
}

void CalculKiosque(CallState& state, const QString& number, const QString& rateText) {
    if (rateText.isEmpty()) {
        state.PartsCout = {};
        state.CoutAppel = 0.f;
        return;
    }
    const float p = ToSingle(rateText);
    const float m = StartedMinutes(state.DureeSecondes);
    if (number != Numbers::Kiosque1313) {
        state.Unites[0] = m;
        state.CoutAppel = p * m + ConnectionCharge;
        return;
    }
    // Part 0 holds the connection charge, charged once whichever rate the
    // call starts at. A minute started at one rate is not charged again at
    // the other: at full rate every minute not yet counted at the reduced
    // rate (where two started minutes count as one), and the reverse.
    state.PartsCout[0] = ConnectionCharge;
    if (state.DiviseurReduit == 1) {
        state.Unites[1] = m - 2.f * state.Unites[2];
        state.PartsCout[1] = p * state.Unites[1];
    } else {
        state.Unites[2] = (m - state.Unites[1]) / 2.f;
        state.PartsCout[2] = p * state.Unites[2];
    }
    state.CoutAppel = state.PartsCout[2] + state.PartsCout[1] + state.PartsCout[0];
}

void CalculAudiotel(CallState& state, const Settings& settings, const QString& number) {
    const float m = StartedMinutes(state.DureeSecondes);
    state.Unites[0] = m;
    const int index = Numbers::AudiotelPrefixes().indexOf(number);
    if (index < 0)
        return;
    const AudiotelPrice& price = AudiotelPrices[index];
    const float t = settings.TarifCreditTemps;
    state.CoutAppel = price.perMinute * t * m + price.perCall * t;
}

} // namespace TariffEngine
