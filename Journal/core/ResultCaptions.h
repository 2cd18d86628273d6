// The captions of search-result windows, numbered by a count that runs for
// the whole life of the program and is never reset.
#pragma once

#include <QString>

namespace BasJournal {

class ResultCaptions final {
public:
    // "Résultat de la recherche - RECHERCHE" followed by the next number.
    QString nextCaption();

    // The file name proposed when a result is saved: the caption's last 11
    // characters and ".CCM", without the blank a one-digit number leaves.
    static QString proposedFileName(const QString& caption);
    // True for the caption of a result window that was never saved.
    static bool isResultCaption(const QString& caption);

private:
    int m_count = 0;
};

} // namespace BasJournal
