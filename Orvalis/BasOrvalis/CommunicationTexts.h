// The communication types and the texts that show and store them, and the
// texts of the fixed number entries: distance bands, Kiosque Micro numbers,
// Audiotel prefixes. A number entry is identified by its text; a type is a
// value, its text is read and written by TypeText and TypeOfText alone.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace BasOrvalis {

// The types of communication, in the order of the type list.
enum class CommunicationType {
    FaitesUneSelection, // nothing chosen
    Standard,
    Primaliste,
    PrimalisteInternet,
    Temporalis,
    ForfaitLocal,
    LibreAcces,
    Perso,
    Numeris,
    Kiosque,
    Audiotel,
};

inline constexpr std::array<CommunicationType, 11> AllCommunicationTypes{
    CommunicationType::FaitesUneSelection,
    CommunicationType::Standard,
    CommunicationType::Primaliste,
    CommunicationType::PrimalisteInternet,
    CommunicationType::Temporalis,
    CommunicationType::ForfaitLocal,
    CommunicationType::LibreAcces,
    CommunicationType::Perso,
    CommunicationType::Numeris,
    CommunicationType::Kiosque,
    CommunicationType::Audiotel,
};

// The text that shows a type in the lists and stores it as the default
// type: "Communication standard", "Numéris Itoo"...
QString TypeText(CommunicationType type);
// The type a text shows, compared exactly; none for any other text.
std::optional<CommunicationType> TypeOfText(const QString& text);

// The first entry of the number, period and date lists when nothing is
// chosen, and the default number before one is chosen.
inline const QString FaitesUneSelection = QStringLiteral("Faites une sélection");

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
