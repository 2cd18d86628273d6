// The search over journal rows: the records whose cell in one column holds
// a value, with the wildcards of the Like match and case ignored.
#pragma once

#include "core/JournalRows.h"

#include <QString>

namespace BasJournal {

class JournalModel;

// Appends to *matches the records of `model` whose cell in `column` (1 Date
// ... 6 Cout) matches "*" value "*", in row order. The blanks of the value
// and of the stored fields count like any other character.
void SearchGrid(const QString& value, int column, const JournalModel& model, JournalRows* matches);

} // namespace BasJournal
