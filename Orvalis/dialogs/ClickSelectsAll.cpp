// Text boxes whose whole text a click selects.
#include "dialogs/ClickSelectsAll.h"

#include <QEvent>
#include <QLineEdit>

ClickSelectsAll::ClickSelectsAll(QObject* parent)
    : QObject(parent) {}

bool ClickSelectsAll::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        // A selection dragged by the user is kept.
        if (box != nullptr && !box->isReadOnly() && !box->hasSelectedText())
            box->selectAll();
    }
    return QObject::eventFilter(watched, event);
}
