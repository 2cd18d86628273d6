// Twips to pixels at the widget's logical resolution.
#include "Twips.h"

#include <QWidget>

#include <cmath>

namespace Twips {

int toPixels(int twips, const QWidget* widget) {
    return int(std::lround(twips * widget->logicalDpiX() / 1440.0));
}

} // namespace Twips
