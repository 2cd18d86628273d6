// The arrangements of the frame's journal windows that the MDI area does
// not offer: side by side from top to bottom above the minimised windows,
// and the minimised windows in rows along the bottom.
#pragma once

class QMdiArea;

namespace Journal {

namespace MdiArrangement {

// The windows that are not minimised share the area above the strip of
// minimised windows, one above the other, each as wide as the area.
void tileHorizontally(QMdiArea& area);
// The minimised windows in rows along the bottom of the area, from the
// left, a new row above when one is full.
void arrangeIcons(QMdiArea& area);

} // namespace MdiArrangement

} // namespace Journal
