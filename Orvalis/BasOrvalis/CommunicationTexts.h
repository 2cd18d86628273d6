// The texts that identify a selection everywhere: communication types, number
// entries, distance labels. The engine, the log writer and the stored
// defaults all compare these texts.
#pragma once

#include <QString>
#include <QStringList>

namespace BasOrvalis {

namespace Types {
inline const QString FaitesUneSelection = QStringLiteral("Faites une sélection");
inline const QString Standard = QStringLiteral("Communication standard");
inline const QString Primaliste = QStringLiteral("Primaliste");
inline const QString PrimalisteInternet = QStringLiteral("Primaliste Internet");
inline const QString Temporalis = QStringLiteral("Temporalis");
inline const QString ForfaitLocal = QStringLiteral("Forfait Local");
inline const QString LibreAcces = QStringLiteral("Libre @cces");
inline const QString Perso = QStringLiteral("Communication Personnalisée");
inline const QString Numeris = QStringLiteral("Numéris Itoo");
inline const QString Kiosque = QStringLiteral("Kiosque Micro");
inline const QString Audiotel = QStringLiteral("Audiotel");
} // namespace Types

namespace Numbers {
inline const QString NonConfigure = QStringLiteral("Non Configuré");
inline const QString AppelLocal = QStringLiteral("Appel N° Local");
inline const QString Kiosque1313 = QStringLiteral("08-36-01-13-13");
// The five distance entries, in band order 1..5.
const QStringList& DistanceEntries();
const QStringList& KiosqueNumbers();
const QStringList& AudiotelPrefixes();
} // namespace Numbers

} // namespace BasOrvalis
