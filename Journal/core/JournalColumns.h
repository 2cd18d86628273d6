// The eight columns of a journal grid: the row number, then the seven text
// fields of a record, with their headers, widths and cell alignments.
#pragma once

#include <QString>
#include <Qt>

namespace BasJournal {

enum class JournalColumn { Numero, Date, Libelle, HeureDebut, HeureFin, Duree, Cout, Total };

namespace JournalColumns {

constexpr int Count = 8;

// The header of a column, from "|Date|Type de Communication|Début|Fin|Durée|Cout|Total".
QString header(int column);
// The width of a column in twips: 500 for the row number, 2600 for the
// description, 800 for the others.
int widthTwips(int column);
// Description, cost and total are left-aligned; every other cell is centred.
Qt::Alignment alignment(int column);
// The record field shown in a column (column 1 is field 0); -1 for the row number.
int fieldOf(int column);

} // namespace JournalColumns
} // namespace BasJournal
