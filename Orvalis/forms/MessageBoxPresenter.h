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

    int ShowMessage(int titleNumber, int buttons, int messageNumber, int secondNumber,
                    const QStringList& arguments = {}) override;
    // A box that is not modal and leaves the gate free: the ticks and the
    // remote commands go on while it is open. It goes when it is closed.
    void ShowNotice(int titleNumber, int buttons, int messageNumber, int secondNumber,
                    const QStringList& arguments = {}) override;

    // From now on no one answers: each message goes to the error output and
    // is answered OK, or No to a question.
    void setUnattended() { m_unattended = true; }

private:
    // Whether a message may still be shown, and the text of one that may not.
    bool unattended(int titleNumber, int messageNumber, int secondNumber,
                    const QStringList& arguments) const;

    QWidget* m_owner;
    BusyGate& m_gate;
    bool m_unattended = false;
};

} // namespace Orvalis
