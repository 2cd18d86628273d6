// Numbering of search results.
#include "core/ResultCaptions.h"

namespace BasJournal {

QString ResultCaptions::nextCaption() {
    ++m_count;
    return QStringLiteral("Résultat de la recherche - RECHERCHE%1").arg(m_count);
}

QString ResultCaptions::proposedFileName(const QString& caption) {
    return caption.right(11).trimmed() + QStringLiteral(".CCM");
}

} // namespace BasJournal
