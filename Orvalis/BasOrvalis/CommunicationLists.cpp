// Which types and numbers the lists offer, and the stored defaults among them.
#include "BasOrvalis/CommunicationLists.h"

#include "BasOrvalis/Messages.h"

#include <utility>
#include <vector>

namespace BasOrvalis {

namespace {

// The subscription flags are check-box values: only 1 counts as held.
bool Held(int flag) {
    return flag == 1;
}

const std::vector<std::pair<QString, QString>>& Captions() {
    static const std::vector<std::pair<QString, QString>> captions{
        {Types::FaitesUneSelection, QStringLiteral("Numéro")},
        {Types::Standard, QStringLiteral("Distance du Numéro")},
        {Types::Temporalis, QStringLiteral("Distance du Numéro")},
        {Types::Primaliste, QStringLiteral("Numéros Primaliste")},
        {Types::PrimalisteInternet, QStringLiteral("N° Primaliste Internet")},
        {Types::ForfaitLocal, Types::ForfaitLocal},
        {Types::LibreAcces, Types::LibreAcces},
        {Types::Numeris, Types::Numeris},
        {Types::Perso, Types::Perso},
        {Types::Kiosque, QStringLiteral("Numéros Kiosque Micro")},
        {Types::Audiotel, QStringLiteral("Numéros Audiotel")},
    };
    return captions;
}

} // namespace

QStringList CommunicationTypes(const Settings& settings) {
    QStringList types{Types::FaitesUneSelection, Types::Standard};
    const std::pair<int, const QString&> subscriptions[] = {
        {settings.AboPrimaliste, Types::Primaliste},
        {settings.AboPrimalisteInternet, Types::PrimalisteInternet},
        {settings.AboTemporalis, Types::Temporalis},
        {settings.AboForfaitLocal, Types::ForfaitLocal},
        {settings.AboLibreAcces, Types::LibreAcces},
        {settings.TarifPerso, Types::Perso},
    };
    for (const auto& [flag, type] : subscriptions) {
        if (Held(flag))
            types << type;
    }
    types << Types::Numeris << Types::Kiosque << Types::Audiotel;
    return types;
}

QStringList NumberEntries(const QString& type, const Settings& settings) {
    if (type == Types::FaitesUneSelection)
        return {Types::FaitesUneSelection};
    if (type == Types::Standard || type == Types::Temporalis)
        return Numbers::DistanceEntries();
    if (type == Types::Primaliste) {
        QStringList numbers;
        for (int n = 1; n <= PrimalisteCount; ++n)
            numbers << settings.NumerosPrimaliste[n];
        return numbers;
    }
    if (type == Types::PrimalisteInternet)
        return {settings.NumerosPrimaliste[PrimalisteInternetIndex]};
    if (type == Types::ForfaitLocal || type == Types::LibreAcces || type == Types::Numeris)
        return {Numbers::AppelLocal};
    if (type == Types::Perso)
        return {settings.PersoNumero};
    if (type == Types::Kiosque)
        return Numbers::KiosqueNumbers();
    if (type == Types::Audiotel)
        return Numbers::AudiotelPrefixes();
    return {};
}

bool NumberListEnabled(const QString& type) {
    return type != Types::FaitesUneSelection;
}

QString NumberListCaption(const QString& type) {
    for (const auto& [listType, caption] : Captions()) {
        if (listType == type)
            return caption;
    }
    return QString();
}

int DistanceBandOf(const QString& numberText) {
    return Numbers::DistanceEntries().indexOf(numberText) + 1;
}

bool DefaultSelectionOffered(const Settings& settings) {
    if (settings.TypeDefaut == Types::FaitesUneSelection)
        return true;
    return CommunicationTypes(settings).contains(settings.TypeDefaut) &&
           NumberEntries(settings.TypeDefaut, settings).contains(settings.NumeroDefaut);
}

bool ValidateDefaultSelection(Settings& settings, MessagePresenter& messages) {
    if (DefaultSelectionOffered(settings))
        return true;
    messages.ShowMessage(215, MessageStyle::Exclamation, 315, 415);
    settings.TypeDefaut = Types::FaitesUneSelection;
    settings.NumeroDefaut = Types::FaitesUneSelection;
    return false;
}

} // namespace BasOrvalis
