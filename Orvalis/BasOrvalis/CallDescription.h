// The description of a call in the log: type word, ": ", number label.
#pragma once

#include <QString>

namespace BasOrvalis {

// The word that names `type` in the log ("Standard", "Primaliste NET"...).
QString TypeWord(const QString& type);

// The label of the number: distance entries and Audiotel prefixes are
// shortened, a personalised call shows `persoNumero`, others stay as chosen.
QString NumberLabel(const QString& type, const QString& numberText, const QString& persoNumero);

// TypeWord, ": ", NumberLabel joined, uncut.
QString CallDescription(const QString& type, const QString& numberText, const QString& persoNumero);

} // namespace BasOrvalis
