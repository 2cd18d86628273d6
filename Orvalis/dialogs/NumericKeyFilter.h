// The filter of the numeric input boxes: what FilterNumericKey drops is
// neither typed nor pasted (Ctrl+V, middle click, the context menu, a drop),
// and the system beep sounds.
#pragma once

#include <QValidator>

class QLineEdit;

class NumericKeyFilter final : public QValidator {
    Q_OBJECT

public:
    explicit NumericKeyFilter(QObject* parent = nullptr);

    // Filters what is typed and pasted into `box` from now on.
    void watch(QLineEdit* box);

    // Keeps the characters a key of the box could type; beeps when it drops
    // any. The result is always acceptable.
    State validate(QString& input, int& pos) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
