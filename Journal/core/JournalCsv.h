// A journal as a spreadsheet reads it: UTF-8 text, one header line, fields
// separated by ";", durations in seconds and amounts as numbers with the
// locale's decimal separator; a field a record cannot give as a number (the
// placeholders of a reset) is left empty. A field that holds a comma is
// quoted, so that a decimal comma is never taken for a separator.
#pragma once

#include "core/JournalRows.h"

#include <QLocale>
#include <QStringList>

class QIODevice;

namespace BasJournal::JournalCsv {

// "N°", "Date", "Type de Communication", "Début", "Fin", "Durée (secondes)",
// "Cout", "Total".
QStringList headers();

// Writes the header line and one line per row, in row order. False when
// the device refuses a write.
bool write(const JournalRows& rows, QIODevice& out, const QLocale& locale = QLocale());

} // namespace BasJournal::JournalCsv
