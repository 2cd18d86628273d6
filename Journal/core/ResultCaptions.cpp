// Numbering of search results.
#include "core/ResultCaptions.h"

namespace BasJournal {

namespace {

const QString Prefix = QStringLiteral("Résultat de la recherche - RECHERCHE");

} // namespace

QString ResultCaptions::nextCaption() {
    ++m_count;
    return Prefix + QString::number(m_count);
}

QString ResultCaptions::proposedFileName(const QString& caption) {
    return caption.right(11).trimmed() + QStringLiteral(".CCM");
}

bool ResultCaptions::isResultCaption(const QString& caption) {
    return caption.startsWith(Prefix);
}

} // namespace BasJournal
