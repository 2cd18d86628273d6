// Period and date lists of the automatic reset.
#include "config/RazLists.h"

#include "BasOrvalis/CommunicationTexts.h"

namespace RazLists {

using BasOrvalis::FaitesUneSelection;

namespace {

const QString Mensuelle = QStringLiteral("Mensuelle");
const QString Bimestrielle = QStringLiteral("Bimestrielle");
const QList<int> Jours{1, 5, 10, 15, 20, 25};

QString Jour(int jour) {
    return jour == 1 ? QStringLiteral("1er") : QString::number(jour);
}

} // namespace

const QStringList& Periodes() {
    static const QStringList periodes{FaitesUneSelection, Mensuelle, Bimestrielle};
    return periodes;
}

QStringList Dates(const QString& periode) {
    QStringList dates{FaitesUneSelection};
    if (periode == Mensuelle) {
        for (const int jour : Jours)
            dates << QStringLiteral("Le %1 du mois").arg(Jour(jour));
    } else if (periode == Bimestrielle) {
        for (const int jour : Jours) {
            dates << QStringLiteral("Le %1 des mois Pair").arg(Jour(jour))
                  << QStringLiteral("Le %1 des mois Impair").arg(Jour(jour));
        }
    }
    return dates;
}

QString DateSelectionnee(const QString& periode, const BasOrvalis::Settings& settings) {
    const QStringList dates = Dates(periode);
    if (settings.RazAutoTotal != 1)
        return dates.first();
    return dates.contains(settings.RazDate) ? settings.RazDate : FaitesUneSelection;
}

} // namespace RazLists
