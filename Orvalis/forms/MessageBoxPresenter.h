// ShowMessage on the desktop: the calculator's string-table messages shown in
// modal message boxes after the system beep.
#pragma once

#include "BasOrvalis/Messages.h"

#include <QString>
#include <QtGlobal>

class QWidget;

namespace Orvalis {

class BusyGate;

class MessageBoxPresenter final : public BasOrvalis::MessagePresenter {
public:
    // The box is centred on `owner`; while it waits, `gate` is busy.
    MessageBoxPresenter(QWidget* owner, BusyGate& gate);
    Q_DISABLE_COPY_MOVE(MessageBoxPresenter)

    int ShowMessage(int titleNumber, int buttons, int messageNumber, int secondNumber) override;
    // A box that is not modal and leaves the gate free: the ticks and the
    // remote commands go on while it is open. It goes when it is closed.
    void ShowNotice(int titleNumber, int buttons, int messageNumber, int secondNumber) override;
    void ShowNoticeOf(const BasOrvalis::ShownMessage& message) override;

    // The text of a message: its line, and the second line under it.
    static QString messageText(int messageNumber, int secondNumber);

private:
    QWidget* m_owner;
    BusyGate& m_gate;
};

} // namespace Orvalis
