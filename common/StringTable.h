// The calculator's string table: captions and message texts by number,
// read from the resource shared by the three programs.
#pragma once

#include <QString>

namespace StringTable {

// The text of `number`; an empty text for a number the table lacks.
QString text(int number);

} // namespace StringTable
