// The pointing-hand mouse pointer of the calculator's buttons and links.
#pragma once

#include <QCursor>

namespace Orvalis {

namespace PointerCursor {

// Drawn from the program's resources, hot spot at the tip of the finger.
QCursor hand();

} // namespace PointerCursor

} // namespace Orvalis
