// The pictures of the log viewer: the program icon and the toolbar images
// by key ("Open", "Save", "Gerer", "Print", "Find"), whose disabled look is
// the image of the same key followed by "1".
#pragma once

#include <QIcon>
#include <QString>

namespace Journal {

namespace JournalIcons {

QIcon programIcon();
QIcon toolbarIcon(const QString& key);

} // namespace JournalIcons

} // namespace Journal
