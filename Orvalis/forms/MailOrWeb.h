// OpenMailOrWeb: the user's mail program on a new message to the author
// (string 501), or the browser on the author's page (string 502).
#pragma once

#include <QUrl>

#include <functional>

class QWidget;

namespace Orvalis {

namespace MailOrWeb {

// The string numbers of the author's mail address and web page.
constexpr int MailNumber = 501;
constexpr int WebNumber = 502;

// Opens an address with the desktop's default program; false on failure.
using Opener = std::function<bool(const QUrl&)>;

// The desktop's opener (QDesktopServices).
Opener desktopOpener();

// The target of a string number: "mailto:" + string 501, or the string of
// any other number as it stands. Empty when the string is empty.
QUrl target(int number);

// Opens the target; an empty address or a failing opener shows "Une erreur
// s'est produite" over `owner`. False on failure.
bool OpenMailOrWeb(QWidget* owner, int number, const Opener& opener);

} // namespace MailOrWeb

} // namespace Orvalis
