// The key filter of the numeric input boxes: what FilterNumericKey drops is
// not typed, and the system beep sounds.
#pragma once

#include <QObject>

class NumericKeyFilter final : public QObject {
    Q_OBJECT

public:
    explicit NumericKeyFilter(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
