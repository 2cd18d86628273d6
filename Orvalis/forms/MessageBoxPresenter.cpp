// Message-box styles mapped onto QMessageBox buttons and icons, answers back
// onto the calculator's answer codes.
#include "forms/MessageBoxPresenter.h"

#include "BasOrvalis/MessageText.h"
#include "common/StringTable.h"
#include "forms/BusyGate.h"

#include <QApplication>
#include <QMessageBox>

namespace Orvalis {

using namespace BasOrvalis;

namespace {

QMessageBox::Icon iconOf(int buttons) {
    switch (buttons & 0x70) {
    case MessageStyle::Critical:
        return QMessageBox::Critical;
    case MessageStyle::Question:
        return QMessageBox::Question;
    case MessageStyle::Exclamation:
        return QMessageBox::Warning;
    case MessageStyle::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

MessageBoxPresenter::MessageBoxPresenter(QWidget* owner, BusyGate& gate)
    : m_owner(owner)
    , m_gate(gate) {}

QString MessageBoxPresenter::messageText(int messageNumber, int secondNumber) {
    return MessageText(messageNumber, secondNumber);
}

int MessageBoxPresenter::ShowMessage(int titleNumber, int buttons, int messageNumber,
                                     int secondNumber) {
    QApplication::beep();
    const bool yesNo = (buttons & 0x0F) == MessageStyle::YesNo;
    QMessageBox box(iconOf(buttons), StringTable::text(titleNumber),
                    messageText(messageNumber, secondNumber),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_owner);
    const BusyGate::Scope busy(m_gate);
    const int answer = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void MessageBoxPresenter::ShowNotice(int titleNumber, int buttons, int messageNumber,
                                     int secondNumber) {
    ShowNoticeOf({titleNumber, buttons, messageNumber, secondNumber, {}});
}

void MessageBoxPresenter::ShowNoticeOf(const ShownMessage& message) {
    QApplication::beep();
    auto* box = new QMessageBox(iconOf(message.buttons), StringTable::text(message.title),
                                MessageText(message), QMessageBox::Ok, m_owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

} // namespace Orvalis
