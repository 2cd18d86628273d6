// Numeric input boxes: keys filtered one by one.
#include "dialogs/NumericKeyFilter.h"

#include "BasOrvalis/FilterNumericKey.h"

#include <QApplication>
#include <QKeyEvent>

NumericKeyFilter::NumericKeyFilter(QObject* parent)
    : QObject(parent) {}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Keys that type nothing (arrows, Delete) and shortcuts (Ctrl+C) are
    // not characters of the box.
    if (key->text().isEmpty() || (key->modifiers() & Qt::ControlModifier))
        return false;
    if (BasOrvalis::FilterNumericKey(key->text().at(0).unicode()) != 0)
        return false;
    QApplication::beep();
    return true;
}
