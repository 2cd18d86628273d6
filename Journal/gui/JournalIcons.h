// The pictures of the log viewer: the program icon and the images by key:
// the frame's toolbar ("Open", "Save", "Gerer", "Print", "Find"), whose
// disabled look is the image of the same key followed by "1", the file
// manager's ("Kill", "BigIcon", "SmallIcon", "Liste", "Detail") and its log
// icon ("Log").
#pragma once

#include <QIcon>
#include <QString>

namespace Journal {

namespace JournalIcons {

QIcon programIcon();
QIcon toolbarIcon(const QString& key);

} // namespace JournalIcons

} // namespace Journal
