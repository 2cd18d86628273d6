// The program folder and the log folder.
#include "platform/AppFolders.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QStandardPaths>

namespace AppFolders {

namespace {

const QString LogFolderName = QStringLiteral("Journaux");

} // namespace

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString logFolder() {
    const QString overridden = qEnvironmentVariable("ORVALIS_JOURNAUX");
    if (!overridden.isEmpty())
        return overridden;
    // An installed suite's folder is not the user's to write: logs there
    // would fail at every call.
    const QFileInfo besidePrograms(resolveInFolder(programFolder(), LogFolderName));
    if (besidePrograms.isDir() && besidePrograms.isWritable())
        return besidePrograms.filePath();
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(dataHome).filePath(QStringLiteral("Orvalis/") + LogFolderName);
}

bool isBareFileName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

QString resolveInFolder(const QString& folder, const QString& name) {
    const QDir dir(folder);
    if (dir.exists(name))
        return dir.filePath(name);
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        if (entries.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return entries.filePath();
    }
    return dir.filePath(name);
}

bool ensureFolder(const QString& folder) {
    return QDir().mkpath(folder);
}

} // namespace AppFolders
