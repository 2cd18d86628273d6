// How a call is named in the log.
#include "BasOrvalis/CallDescription.h"

#include "BasOrvalis/CommunicationLists.h"

#include <QStringList>

namespace BasOrvalis {

namespace {

const QStringList& DistanceLabels() {
    static const QStringList labels{
        QStringLiteral("Appel Local"),       QStringLiteral("Appel d<25 Kms"),
        QStringLiteral("Appel 30<d<52 Kms"), QStringLiteral("Appel 52<d<100 Kms"),
        QStringLiteral("Appel National"),
    };
    return labels;
}

QString DistanceLabel(const QString& numberText) {
    const int band = DistanceBandOf(numberText);
    return band == 0 ? numberText : DistanceLabels().at(band - 1);
}

// "N° débutant par 08-36-64" is logged as "08-36-64-XX-XX".
QString AudiotelLabel(const QString& numberText) {
    if (!Numbers::AudiotelPrefixes().contains(numberText))
        return numberText;
    const QString prefix = numberText.section(QLatin1Char(' '), -1);
    return prefix + QStringLiteral("-XX-XX");
}

} // namespace

QString TypeWord(CommunicationType type) {
    switch (type) {
    case CommunicationType::Standard:
        return QStringLiteral("Standard");
    case CommunicationType::PrimalisteInternet:
        return QStringLiteral("Primaliste NET");
    case CommunicationType::Perso:
        return QStringLiteral("Perso");
    case CommunicationType::Temporalis:
    case CommunicationType::Primaliste:
    case CommunicationType::ForfaitLocal:
    case CommunicationType::LibreAcces:
    case CommunicationType::Numeris:
    case CommunicationType::Kiosque:
    case CommunicationType::Audiotel:
        return TypeText(type);
    case CommunicationType::FaitesUneSelection:
        break;
    }
    return QString();
}

QString NumberLabel(CommunicationType type, const QString& numberText, const QString& persoNumero) {
    switch (type) {
    case CommunicationType::Standard:
    case CommunicationType::Temporalis:
        return DistanceLabel(numberText);
    case CommunicationType::Audiotel:
        return AudiotelLabel(numberText);
    case CommunicationType::Perso:
        return persoNumero;
    default:
        return numberText;
    }
}

QString CallDescription(CommunicationType type, const QString& numberText,
                        const QString& persoNumero) {
    return TypeWord(type) + QStringLiteral(": ") + NumberLabel(type, numberText, persoNumero);
}

} // namespace BasOrvalis
