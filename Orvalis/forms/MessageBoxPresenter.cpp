// Message-box styles mapped onto QMessageBox buttons and icons, answers back
// onto the calculator's answer codes.
#include "forms/MessageBoxPresenter.h"

#include "BasOrvalis/MessageText.h"
#include "common/StringTable.h"
#include "forms/BusyGate.h"

#include <QApplication>
#include <QDebug>
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

bool MessageBoxPresenter::unattended(int titleNumber, int messageNumber, int secondNumber,
                                     const QStringList& arguments) const {
    if (m_unattended)
        qWarning().noquote() << "Orvalis:" << StringTable::text(titleNumber) << '-'
                             << MessageText(messageNumber, secondNumber, arguments);
    return m_unattended;
}

int MessageBoxPresenter::ShowMessage(int titleNumber, int buttons, int messageNumber,
                                     int secondNumber, const QStringList& arguments) {
    const bool yesNo = (buttons & 0x0F) == MessageStyle::YesNo;
    if (unattended(titleNumber, messageNumber, secondNumber, arguments))
        return yesNo ? MessageAnswer::No : MessageAnswer::Ok;
    QApplication::beep();
    QMessageBox box(iconOf(buttons), StringTable::text(titleNumber),
                    MessageText(messageNumber, secondNumber, arguments),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_owner);
    const BusyGate::Scope busy(m_gate);
    const int answer = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void MessageBoxPresenter::ShowNotice(int titleNumber, int buttons, int messageNumber,
                                     int secondNumber, const QStringList& arguments) {
    if (unattended(titleNumber, messageNumber, secondNumber, arguments))
        return;
    QApplication::beep();
    auto* box = new QMessageBox(iconOf(buttons), StringTable::text(titleNumber),
                                MessageText(messageNumber, secondNumber, arguments),
                                QMessageBox::Ok, m_owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

} // namespace Orvalis
