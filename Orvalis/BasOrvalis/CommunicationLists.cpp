// Which types and numbers the lists offer, and the stored defaults among them.
#include "BasOrvalis/CommunicationLists.h"

#include "BasOrvalis/Messages.h"

#include <utility>

namespace BasOrvalis {

namespace {

// The subscription flags are check-box values: only 1 counts as held.
bool Held(int flag) {
    return flag == 1;
}

} // namespace

QVector<CommunicationType> CommunicationTypes(const Settings& settings) {
    using Type = CommunicationType;
    QVector<Type> types{Type::FaitesUneSelection, Type::Standard};
    const std::pair<int, Type> subscriptions[] = {
        {settings.AboPrimaliste, Type::Primaliste},
        {settings.AboPrimalisteInternet, Type::PrimalisteInternet},
        {settings.AboTemporalis, Type::Temporalis},
        {settings.AboForfaitLocal, Type::ForfaitLocal},
        {settings.AboLibreAcces, Type::LibreAcces},
        {settings.TarifPerso, Type::Perso},
    };
    for (const auto& [flag, type] : subscriptions) {
        if (Held(flag))
            types << type;
    }
    types << Type::Numeris << Type::Kiosque << Type::Audiotel;
    return types;
}

QStringList NumberEntries(CommunicationType type, const Settings& settings) {
    switch (type) {
    case CommunicationType::FaitesUneSelection:
        return {FaitesUneSelection};
    case CommunicationType::Standard:
    case CommunicationType::Temporalis:
        return Numbers::DistanceEntries();
    case CommunicationType::Primaliste: {
        QStringList numbers;
        for (int n = 1; n <= PrimalisteCount; ++n)
            numbers << settings.NumerosPrimaliste[n];
        return numbers;
    }
    case CommunicationType::PrimalisteInternet:
        return {settings.NumerosPrimaliste[PrimalisteInternetIndex]};
    case CommunicationType::ForfaitLocal:
    case CommunicationType::LibreAcces:
    case CommunicationType::Numeris:
        return {Numbers::AppelLocal};
    case CommunicationType::Perso:
        return {settings.PersoNumero};
    case CommunicationType::Kiosque:
        return Numbers::KiosqueNumbers();
    case CommunicationType::Audiotel:
        return Numbers::AudiotelPrefixes();
    }
    return {};
}

bool NumberListEnabled(CommunicationType type) {
    return type != CommunicationType::FaitesUneSelection;
}

QString NumberListCaption(CommunicationType type) {
    switch (type) {
    case CommunicationType::FaitesUneSelection:
        return QStringLiteral("Numéro");
    case CommunicationType::Standard:
    case CommunicationType::Temporalis:
        return QStringLiteral("Distance du Numéro");
    case CommunicationType::Primaliste:
        return QStringLiteral("Numéros Primaliste");
    case CommunicationType::PrimalisteInternet:
        return QStringLiteral("N° Primaliste Internet");
    case CommunicationType::ForfaitLocal:
    case CommunicationType::LibreAcces:
    case CommunicationType::Numeris:
    case CommunicationType::Perso:
        return TypeText(type);
    case CommunicationType::Kiosque:
        return QStringLiteral("Numéros Kiosque Micro");
    case CommunicationType::Audiotel:
        return QStringLiteral("Numéros Audiotel");
    }
    return QString();
}

int DistanceBandOf(const QString& numberText) {
    return Numbers::DistanceEntries().indexOf(numberText) + 1;
}

bool DefaultSelectionOffered(const Settings& settings) {
    if (settings.TypeDefaut == CommunicationType::FaitesUneSelection)
        return true;
    return CommunicationTypes(settings).contains(settings.TypeDefaut) &&
           NumberEntries(settings.TypeDefaut, settings).contains(settings.NumeroDefaut);
}

bool ValidateDefaultSelection(Settings& settings, MessagePresenter& messages) {
    if (DefaultSelectionOffered(settings))
        return true;
    messages.ShowMessage(215, MessageStyle::Exclamation, 315, 415);
    settings.TypeDefaut = CommunicationType::FaitesUneSelection;
    settings.NumeroDefaut = FaitesUneSelection;
    return false;
}

} // namespace BasOrvalis
