// How a call is named in the log.
#include "BasOrvalis/CallDescription.h"

#include "BasOrvalis/CommunicationLists.h"
#include "BasOrvalis/CommunicationTexts.h"

#include <QStringList>

#include <utility>
#include <vector>

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

QString TypeWord(const QString& type) {
    static const std::vector<std::pair<QString, QString>> words{
        {Types::Standard, QStringLiteral("Standard")},
        {Types::Temporalis, Types::Temporalis},
        {Types::Primaliste, Types::Primaliste},
        {Types::PrimalisteInternet, QStringLiteral("Primaliste NET")},
        {Types::ForfaitLocal, Types::ForfaitLocal},
        {Types::LibreAcces, Types::LibreAcces},
        {Types::Numeris, Types::Numeris},
        {Types::Kiosque, Types::Kiosque},
        {Types::Audiotel, Types::Audiotel},
        {Types::Perso, QStringLiteral("Perso")},
    };
    for (const auto& [listType, word] : words) {
        if (listType == type)
            return word;
    }
    return QString();
}

QString NumberLabel(const QString& type, const QString& numberText, const QString& persoNumero) {
    if (type == Types::Standard || type == Types::Temporalis)
        return DistanceLabel(numberText);
    if (type == Types::Audiotel)
        return AudiotelLabel(numberText);
    if (type == Types::Perso)
        return persoNumero;
    return numberText;
}

QString CallDescription(const QString& type, const QString& numberText,
                        const QString& persoNumero) {
    return TypeWord(type) + QStringLiteral(": ") + NumberLabel(type, numberText, persoNumero);
}

} // namespace BasOrvalis
