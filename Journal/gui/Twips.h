// Sizes given in twips (1/1440 inch), turned into pixels of a screen.
#pragma once

class QWidget;

namespace Twips {

int toPixels(int twips, const QWidget* widget);

} // namespace Twips
