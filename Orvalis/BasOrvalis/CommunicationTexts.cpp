// The fixed number entries: distance bands, Kiosque Micro numbers, Audiotel
// prefixes.
#include "BasOrvalis/CommunicationTexts.h"

namespace BasOrvalis::Numbers {

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

} // namespace BasOrvalis::Numbers
