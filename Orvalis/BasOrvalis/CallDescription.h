// The description of a call in the log: type word, ": ", number label.
#pragma once

#include "BasOrvalis/CommunicationTexts.h"

#include <QString>

namespace BasOrvalis {

// The word that names `type` in the log ("Standard", "Primaliste NET"...).
QString TypeWord(CommunicationType type);

// The label of the number: distance entries and Audiotel prefixes are
// shortened, a personalised call shows `persoNumero`, others stay as chosen.
QString NumberLabel(CommunicationType type, const QString& numberText, const QString& persoNumero);

// TypeWord, ": ", NumberLabel joined, uncut.
QString CallDescription(CommunicationType type, const QString& numberText,
                        const QString& persoNumero);

} // namespace BasOrvalis
