// How a call is named in the log.
#include "BasOrvalis/CallDescription.h"

#include "BasOrvalis/CommunicationLists.h"
#include "common/CallRecord.h"

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

// The band that a number label names: a distance label of the log, or a
// distance entry as a premium or package type logs it; a label cut by the
// field counts when it begins exactly one of them.
int BandOfLabel(const QString& label, bool cut) {
    int found = 0;
    for (int band = 1; band <= BandCount; ++band) {
        for (const QString& name :
             {DistanceLabels().at(band - 1), Numbers::DistanceEntries().at(band - 1)}) {
            if (name == label)
                return band;
            if (cut && name.startsWith(label)) {
                if (found != 0 && found != band)
                    return 0;
                found = band;
            }
        }
    }
    return found;
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

DescribedCall ReadCallDescription(const QString& libelle) {
    static const QString separator = QStringLiteral(": ");
    const QString text = libelle.trimmed();
    const bool cut = text.size() >= CallRecord::FieldWidths[1];
    DescribedCall described;
    const qsizetype colon = text.indexOf(separator);
    if (colon < 0)
        return described;
    const QString word = text.left(colon);
    for (const CommunicationType type : AllCommunicationTypes) {
        if (type != CommunicationType::FaitesUneSelection && TypeWord(type) == word)
            described.type = type;
    }
    if (described.type)
        described.band = BandOfLabel(text.mid(colon + separator.size()), cut);
    return described;
}

} // namespace BasOrvalis
