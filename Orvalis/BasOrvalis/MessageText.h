// The texts of the calculator's messages and of its contact links, taken
// from the string table by number.
#pragma once

#include <QString>
#include <QStringList>

namespace BasOrvalis {

// The line of `messageNumber`, then, when `secondNumber` is not 0, a line
// feed and the line of `secondNumber`; `arguments` go in the places %1 to
// %9 of the lines, in order.
QString MessageText(int messageNumber, int secondNumber, const QStringList& arguments = {});

// What the shell opens for a contact link: "mailto:" and the address for
// 501, the text of `number` otherwise. Empty when the table holds no
// address, so the caller reports the failure.
QString MailOrWebTarget(int number);

} // namespace BasOrvalis
