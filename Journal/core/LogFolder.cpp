// Names and paths of the logs in the log folder.
#include "core/LogFolder.h"

#include "common/LogFile.h"
#include "platform/AppFolders.h"

#include <QFile>
#include <QFileInfo>

namespace BasJournal {

LogFolder::LogFolder(const QString& folder)
    : m_folder(folder) {}

QString LogFolder::folder() const {
    return m_folder;
}

bool LogFolder::isAcceptableName(const QString& name) {
    return AppFolders::isBareFileName(name) && !name.contains(QStringLiteral(".."));
}

QString LogFolder::refusalText(const QString& name) {
    return QStringLiteral("Le nom « %1 » n'est pas celui d'un fichier journal : "
                          "un journal se désigne par son seul nom, sans dossier, "
                          "dans le dossier des journaux.")
        .arg(name);
}

QString LogFolder::captionFor(const QString& name) {
    return name.toUpper();
}

bool LogFolder::captionShows(const QString& caption, const QString& name) {
    return caption == captionFor(name);
}

QString LogFolder::currentMonthName(const QDate& today, const QLocale& locale) {
    return LogFile::monthlyName(today, locale);
}

QString LogFolder::pathOf(const QString& name) const {
    return AppFolders::resolveInFolder(m_folder, name);
}

bool LogFolder::exists(const QString& name) const {
    return QFileInfo(pathOf(name)).isFile();
}

bool LogFolder::createIfMissing(const QString& name, QString* error) const {
    if (exists(name))
        return true;
    if (!AppFolders::ensureFolder(m_folder)) {
        if (error)
            *error =
                QStringLiteral("Le dossier des journaux %1 ne peut pas être créé.").arg(m_folder);
        return false;
    }
    QFile file(pathOf(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace BasJournal
