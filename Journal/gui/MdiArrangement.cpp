// Tiling the journal windows and lining up the minimised ones.
#include "gui/MdiArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace Journal {

namespace MdiArrangement {

namespace {

// Where the strip of minimised windows begins; the area's height when none is minimised.
int iconStripTop(const QMdiArea& area) {
    int top = area.viewport()->height();
    for (const QMdiSubWindow* window : area.subWindowList()) {
        if (window->isVisible() && window->isMinimized())
            top = qMin(top, window->y());
    }
    return top;
}

} // namespace

void tileHorizontally(QMdiArea& area) {
    // Minimised windows scattered over the area are lined up first, so that
    // the others keep at least half of it.
    if (iconStripTop(area) < area.viewport()->height() / 2)
        arrangeIcons(area);
    const int top = iconStripTop(area);
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList()) {
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    }
    if (windows.isEmpty())
        return;
    const int width = area.viewport()->width();
    const int height = top / int(windows.size());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(0, i * height, width, height);
    }
}

void arrangeIcons(QMdiArea& area) {
    const QRect rect = area.viewport()->rect();
    int x = 0;
    int bottom = rect.bottom() + 1;
    for (QMdiSubWindow* window : area.subWindowList()) {
        if (!window->isVisible() || !window->isMinimized())
            continue;
        if (x > 0 && x + window->width() > rect.width()) {
            x = 0;
            bottom -= window->height();
        }
        window->move(x, bottom - window->height());
        x += window->width();
    }
}

} // namespace MdiArrangement

} // namespace Journal
