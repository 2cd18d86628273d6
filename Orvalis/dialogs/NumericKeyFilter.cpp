// Numeric input boxes: keys filtered one by one, pasted text character by
// character.
#include "dialogs/NumericKeyFilter.h"

#include "BasOrvalis/FilterNumericKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// A character a key may type into the box: backspace, tab, line feed and
// carriage return pass the key filter, yet type nothing.
bool Typeable(QChar c) {
    return c.category() != QChar::Other_Control && BasOrvalis::FilterNumericKey(c.unicode()) != 0;
}

} // namespace

NumericKeyFilter::NumericKeyFilter(QObject* parent)
    : QValidator(parent) {}

void NumericKeyFilter::watch(QLineEdit* box) {
    box->installEventFilter(this);
    box->setValidator(this);
}

QValidator::State NumericKeyFilter::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!Typeable(input.at(i)))
            continue;
        kept.append(input.at(i));
        if (i < pos)
            ++keptBeforeCursor;
    }
    if (kept.size() != input.size()) {
        QApplication::beep();
        input = kept;
        pos = keptBeforeCursor;
    }
    return Acceptable;
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QValidator::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Keys that type nothing (arrows, Delete) and shortcuts (Ctrl+C) are
    // not characters of the box; what Ctrl+V pastes is validated.
    if (key->text().isEmpty() || (key->modifiers() & Qt::ControlModifier))
        return false;
    if (BasOrvalis::FilterNumericKey(key->text().at(0).unicode()) != 0)
        return false;
    QApplication::beep();
    return true;
}
