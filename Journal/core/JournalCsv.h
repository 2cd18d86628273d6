// A journal as a spreadsheet reads it: UTF-8 text, one header line, fields
// separated by ";", dates as YYYY-MM-DD and starts on the 24-hour clock as
// the one reader of logged calls reads them, durations in seconds and
// amounts as numbers with the locale's decimal separator; a field a record
// cannot give as a value (the placeholders of a reset) is left as stored,
// or empty for a number. A field that holds a comma is
// quoted, so that a decimal comma is never taken for a separator.
#pragma once

#include "core/JournalRows.h"

#include "BasOrvalis/Settings.h"

#include <QLocale>
#include <QStringList>

class QIODevice;

namespace BasJournal::JournalCsv {

// "N°", "Date", "Type de Communication", "Début", "Fin", "Durée (secondes)",
// "Cout", "Total".
QStringList headers();

// Writes the header line and one line per row, in row order. `caption`
// names the journal, whose name tells the locale of its dates; `settings`
// settle a twelve-hour start that lost its marker. False when the device
// refuses a write.
bool write(const JournalRows& rows, const QString& caption, const BasOrvalis::Settings& settings,
           QIODevice& out, const QLocale& locale = QLocale());

} // namespace BasJournal::JournalCsv
