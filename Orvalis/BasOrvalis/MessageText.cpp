// Message and link texts from the string table.
#include "BasOrvalis/MessageText.h"

#include "common/StringTable.h"

namespace BasOrvalis {

namespace {

constexpr int MailAddressNumber = 501;

} // namespace

QString MessageText(int messageNumber, int secondNumber) {
    QString text = StringTable::text(messageNumber);
    if (secondNumber != 0)
        text += QLatin1Char('\n') + StringTable::text(secondNumber);
    return text;
}

QString MessageText(const ShownMessage& message) {
    QString text = MessageText(message.line, message.second);
    for (const QString& argument : message.arguments)
        text = text.arg(argument);
    return text;
}

QString MailOrWebTarget(int number) {
    const QString address = StringTable::text(number);
    if (address.isEmpty())
        return QString();
    return number == MailAddressNumber ? QStringLiteral("mailto:") + address : address;
}

} // namespace BasOrvalis
