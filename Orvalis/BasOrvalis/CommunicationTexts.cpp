// The texts of the communication types and of the fixed number entries.
#include "BasOrvalis/CommunicationTexts.h"

namespace BasOrvalis {

QString TypeText(CommunicationType type) {
    switch (type) {
    case CommunicationType::FaitesUneSelection:
        return FaitesUneSelection;
    case CommunicationType::Standard:
        return QStringLiteral("Communication standard");
    case CommunicationType::Primaliste:
        return QStringLiteral("Primaliste");
    case CommunicationType::PrimalisteInternet:
        return QStringLiteral("Primaliste Internet");
    case CommunicationType::Temporalis:
        return QStringLiteral("Temporalis");
    case CommunicationType::ForfaitLocal:
        return QStringLiteral("Forfait Local");
    case CommunicationType::LibreAcces:
        return QStringLiteral("Libre @cces");
    case CommunicationType::Perso:
        return QStringLiteral("Communication Personnalisée");
    case CommunicationType::Numeris:
        return QStringLiteral("Numéris Itoo");
    case CommunicationType::Kiosque:
        return QStringLiteral("Kiosque Micro");
    case CommunicationType::Audiotel:
        return QStringLiteral("Audiotel");
    }
    return QString();
}

std::optional<CommunicationType> TypeOfText(const QString& text) {
    for (const CommunicationType type : AllCommunicationTypes) {
        if (TypeText(type) == text)
            return type;
    }
    return std::nullopt;
}

namespace Numbers {

const QStringList& DistanceEntries() {
    static const QStringList entries{
        AppelLocal,
        QStringLiteral("Appel N° inférieur à 25 Kms"),
        QStringLiteral("Appel N° entre 25 et 30 Kms"),
        QStringLiteral("Appel N° entre 30 et 50 Kms"),
        QStringLiteral("Appel N° National"),
    };
    return entries;
}

const QStringList& KiosqueNumbers() {
    static const QStringList numbers{
        Kiosque1313,
        QStringLiteral("08-36-01-14-14"),
        QStringLiteral("08-36-01-15-15"),
        QStringLiteral("08-36-01-16-16"),
        QStringLiteral("08-36-01-17-17"),
    };
    return numbers;
}

const QStringList& AudiotelPrefixes() {
    static const QStringList prefixes = [] {
        QStringList list;
        for (int code = 64; code <= 70; ++code)
            list << QStringLiteral("N° débutant par 08-36-%1").arg(code);
        return list;
    }();
    return prefixes;
}

} // namespace Numbers

} // namespace BasOrvalis
