// Headers, widths and alignments of the journal grid.
#include "core/JournalColumns.h"

#include <QStringList>

namespace BasJournal::JournalColumns {

namespace {

const QStringList& headers() {
    static const QStringList texts =
        QStringLiteral("|Date|Type de Communication|Début|Fin|Durée|Cout|Total")
            .split(QLatin1Char('|'));
    return texts;
}

} // namespace

QString header(int column) {
    return headers().value(column);
}

int widthTwips(int column) {
    switch (static_cast<JournalColumn>(column)) {
    case JournalColumn::Numero:
        return 500;
    case JournalColumn::Libelle:
        return 2600;
    default:
        return 800;
    }
}

Qt::Alignment alignment(int column) {
    switch (static_cast<JournalColumn>(column)) {
    case JournalColumn::Libelle:
    case JournalColumn::Cout:
    case JournalColumn::Total:
        return Qt::AlignLeft | Qt::AlignVCenter;
    default:
        return Qt::AlignCenter;
    }
}

int fieldOf(int column) {
    return column - 1;
}

} // namespace BasJournal::JournalColumns
