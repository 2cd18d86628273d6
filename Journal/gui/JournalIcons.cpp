// Icons drawn as SVG in the program's resources.
#include "gui/JournalIcons.h"

#include <QFile>

namespace Journal {

namespace JournalIcons {

namespace {

QString imagePath(const QString& name) {
    return QStringLiteral(":/Journal/%1.svg").arg(name);
}

} // namespace

QIcon programIcon() {
    return QIcon(imagePath(QStringLiteral("Journal")));
}

QIcon toolbarIcon(const QString& key) {
    QIcon icon(imagePath(key));
    const QString disabled = imagePath(key + QLatin1Char('1'));
    if (QFile::exists(disabled))
        icon.addFile(disabled, QSize(), QIcon::Disabled);
    return icon;
}

} // namespace JournalIcons

} // namespace Journal
