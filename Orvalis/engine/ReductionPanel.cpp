// The reductions panel laid out for each communication type.
#include "engine/ReductionPanel.h"

#include "platform/LocaleFormats.h"

#include <array>

namespace TariffEngine {

using namespace BasOrvalis;

namespace {

const std::array<QString, 4> TemporalisOption{QStringLiteral("0 %"), QStringLiteral("10 %"),
                                              QStringLiteral("20 %"), QStringLiteral("30 %")};
const std::array<QString, 4> TemporalisReduced{QStringLiteral("50 %"), QStringLiteral("55 %"),
                                               QStringLiteral("60 %"), QStringLiteral("65 %")};

ReductionPanel DefaultPanel() {
    ReductionPanel panel;
    panel.indicators[0].tip = QStringLiteral("Affichage réduction horaire actuelle");
    panel.indicators[1].tip = QStringLiteral("Affichage réductions supplémentaires");
    panel.indicators[2].tip = QStringLiteral("Affichage réductions totales");
    return panel;
}

void SingleIndicator(ReductionPanel& panel, const QString& title) {
    panel.singleIndicator = true;
    panel.indicators[1].visible = false;
    panel.indicators[2].visible = false;
    panel.title = title;
}

void OptionIndicators(ReductionPanel& panel, const QString& title, const QString& option,
                      const QString& combined) {
    panel.indicators[1].text = option;
    panel.indicators[2].text = combined;
    panel.title = title;
}

void RemainingTime(ReductionPanel& panel, const QString& title, const QTime& temps) {
    ShowRemainingTime(panel, temps);
    panel.indicators[1].tip = QStringLiteral("Affichage du temps restant");
    panel.indicators[2].visible = false;
    panel.heading1 = QStringLiteral("Temps restant");
    panel.title = title;
}

} // namespace

QString CombinedReduction(CommunicationType type, int diviseurReduit, int temporalisSlice) {
    const bool reduced = diviseurReduit == 2;
    switch (type) {
    case CommunicationType::Primaliste:
        return reduced ? QStringLiteral("62.5 %") : QStringLiteral("25 %");
    case CommunicationType::PrimalisteInternet:
        return reduced ? QStringLiteral("75 %") : QStringLiteral("50 %");
    case CommunicationType::Numeris:
        return reduced ? QStringLiteral("70 %") : QStringLiteral("40 %");
    case CommunicationType::Temporalis: {
        const auto slice = static_cast<std::size_t>(qBound(0, temporalisSlice, 3));
        return reduced ? TemporalisReduced[slice] : TemporalisOption[slice];
    }
    default:
        return QStringLiteral("0 %");
    }
}

QString TemporalisReduction(int slice) {
    return TemporalisOption[static_cast<std::size_t>(qBound(0, slice, 3))];
}

ReductionPanel AfficherReductions(CommunicationType type, int diviseurReduit,
                                  const QTime& tempsRestant) {
    ReductionPanel panel = DefaultPanel();
    const QString combined = CombinedReduction(type, diviseurReduit);
    switch (type) {
    case CommunicationType::FaitesUneSelection:
    case CommunicationType::Audiotel:
        SingleIndicator(panel, QStringLiteral("Pas de réduction applicable"));
        break;
    case CommunicationType::Standard:
        SingleIndicator(panel, QStringLiteral("Réductions Communication Standard"));
        break;
    case CommunicationType::Kiosque:
        SingleIndicator(panel, QStringLiteral("Réductions Kiosque Micro"));
        break;
    case CommunicationType::Perso:
        SingleIndicator(panel, QStringLiteral("Réduction Tarification Personnalisée"));
        break;
    case CommunicationType::Primaliste:
        OptionIndicators(panel, QStringLiteral("Réductions Primaliste"), QStringLiteral("25 %"),
                         combined);
        break;
    case CommunicationType::PrimalisteInternet:
        OptionIndicators(panel, QStringLiteral("Réductions Primaliste Internet"),
                         QStringLiteral("50 %"), combined);
        break;
    case CommunicationType::Temporalis:
        OptionIndicators(panel, QStringLiteral("Réductions Temporalis"), TemporalisReduction(0),
                         combined);
        break;
    case CommunicationType::Numeris:
        OptionIndicators(panel, QStringLiteral("Réductions Numéris Itoo"), QStringLiteral("40 %"),
                         combined);
        break;
    case CommunicationType::ForfaitLocal:
        RemainingTime(panel, QStringLiteral("Réductions Forfait Local"), tempsRestant);
        break;
    case CommunicationType::LibreAcces:
        RemainingTime(panel, QStringLiteral("Réductions Libre Acces"), tempsRestant);
        panel.indicators[0].visible = false;
        break;
    }
    return panel;
}

void ShowRemainingTime(ReductionPanel& panel, const QTime& tempsRestant) {
    panel.indicators[1].text = LocaleFormats::clockText(tempsRestant);
}

void ShowHourReduction(ReductionPanel& panel, int diviseurReduit) {
    const bool reduced = diviseurReduit == 2;
    panel.indicators[0].text = reduced ? QStringLiteral("50 %") : QStringLiteral("0 %");
    panel.hourColour = reduced ? IndicatorColour::Blue : IndicatorColour::Red;
}

} // namespace TariffEngine
