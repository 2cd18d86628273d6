// The pointing-hand pointer, rendered once from its SVG picture.
#include "forms/PointerCursor.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace Orvalis {

namespace PointerCursor {

QCursor hand() {
    // The picture is 32 x 32 with the finger's tip at (12, 1).
    static const QPixmap pixmap = [] {
        QPixmap picture(32, 32);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        QSvgRenderer(QStringLiteral(":/Orvalis/Pointeur.svg")).render(&painter);
        return picture;
    }();
    return QCursor(pixmap, 12, 1);
}

} // namespace PointerCursor

} // namespace Orvalis
