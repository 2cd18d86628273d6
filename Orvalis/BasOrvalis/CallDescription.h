// The description of a call in the log: type word, ": ", number label.
#pragma once

#include "BasOrvalis/CommunicationTexts.h"

#include <QString>

#include <optional>

namespace BasOrvalis {

// The word that names `type` in the log ("Standard", "Primaliste NET"...).
QString TypeWord(CommunicationType type);

// The label of the number: distance entries and Audiotel prefixes are
// shortened, a personalised call shows `persoNumero`, others stay as chosen.
QString NumberLabel(CommunicationType type, const QString& numberText, const QString& persoNumero);

// TypeWord, ": ", NumberLabel joined, uncut.
QString CallDescription(CommunicationType type, const QString& numberText,
                        const QString& persoNumero);

// What a logged description tells of its call.
struct DescribedCall {
    // The type its word names; none for a reset or a text of another kind.
    std::optional<CommunicationType> type;
    // The distance band (1 local .. 5 national) its label names, whatever
    // the type; 0 when it names none (a Primaliste or premium number).
    int band = 0;
};

// Reads a description as the log holds it: spaces that pad it are ignored,
// and a label cut at the end of the field still names its band when no
// other band label begins the same way.
DescribedCall ReadCallDescription(const QString& libelle);

} // namespace BasOrvalis
