// The mail and web links of the About box.
#include "forms/MailOrWeb.h"

#include "common/StringTable.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace Orvalis {

namespace MailOrWeb {

Opener desktopOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

QUrl target(int number) {
    const QString address = StringTable::text(number).trimmed();
    if (address.isEmpty())
        return QUrl();
    if (number == MailNumber)
        return QUrl(QStringLiteral("mailto:") + address);
    return QUrl::fromUserInput(address);
}

bool OpenMailOrWeb(QWidget* owner, int number, const Opener& opener) {
    const QUrl url = target(number);
    if (url.isValid() && opener(url))
        return true;
    QMessageBox box(QMessageBox::NoIcon, QString(), QStringLiteral("Une erreur s'est produite"),
                    QMessageBox::Ok, owner);
    box.exec();
    return false;
}

} // namespace MailOrWeb

} // namespace Orvalis
