// Message and link texts from the string table.
#include "BasOrvalis/MessageText.h"

#include "common/StringTable.h"

namespace BasOrvalis {

namespace {

constexpr int MailAddressNumber = 501;

// The text with each place %1 to %9 holding its argument, in one pass, so
// that a "%2" within a file's name stays as it is.
QString Filled(const QString& text, const QStringList& arguments) {
    QString result;
    for (int i = 0; i < text.size(); ++i) {
        const int place = i + 1 < text.size() ? text.at(i + 1).digitValue() : -1;
        if (text.at(i) == QLatin1Char('%') && place >= 1 && place <= arguments.size()) {
            result += arguments.at(place - 1);
            ++i;
        } else {
            result += text.at(i);
        }
    }
    return result;
}

} // namespace

QString MessageText(int messageNumber, int secondNumber, const QStringList& arguments) {
    QString text = StringTable::text(messageNumber);
    if (secondNumber != 0)
        text += QLatin1Char('\n') + StringTable::text(secondNumber);
    return Filled(text, arguments);
}

QString MailOrWebTarget(int number) {
    const QString address = StringTable::text(number);
    if (address.isEmpty())
        return QString();
    return number == MailAddressNumber ? QStringLiteral("mailto:") + address : address;
}

} // namespace BasOrvalis
