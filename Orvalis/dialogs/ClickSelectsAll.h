// A click in an editable text box selects its whole text.
#pragma once

#include <QObject>

class ClickSelectsAll final : public QObject {
    Q_OBJECT

public:
    explicit ClickSelectsAll(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
