// Names and paths of the logs in the log folder.
#include "core/LogFolder.h"

#include "common/LogFile.h"
#include "platform/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace BasJournal {

namespace {

const QString LogExtension = QStringLiteral(".ccm");

} // namespace

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

QStringList LogFolder::logNames() const {
    return QDir(m_folder).entryList({QStringLiteral("*.ccm")}, QDir::Files,
                                    QDir::Name | QDir::IgnoreCase);
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

QString LogFolder::renameLog(const QString& fileName, const QString& wanted, QString* error) const {
    const QString name = wanted.trimmed();
    if (name.isEmpty()) {
        *error = QStringLiteral("Un fichier journal doit avoir un nom.");
        return {};
    }
    if (!isAcceptableName(name)) {
        *error = refusalText(name);
        return {};
    }
    const QString taken =
        name.endsWith(LogExtension, Qt::CaseInsensitive) ? name : name + LogExtension;
    const QString oldPath = QDir(m_folder).filePath(fileName);
    const QString existing = pathOf(taken);
    if (QFileInfo::exists(existing) && QFileInfo(existing).fileName() != fileName) {
        *error = QStringLiteral("Un fichier de même nom existe déja.");
        return {};
    }
    if (taken == fileName)
        return taken;
    QFile file(oldPath);
    if (!file.rename(QDir(m_folder).filePath(taken))) {
        *error = QStringLiteral("Le fichier journal « %1 » n'a pas pu être renommé : %2")
                     .arg(fileName, file.errorString());
        return {};
    }
    return taken;
}

bool LogFolder::removeLog(const QString& fileName, QString* error) const {
    QFile file(QDir(m_folder).filePath(fileName));
    if (file.remove())
        return true;
    *error = QStringLiteral("Le fichier journal « %1 » n'a pas pu être supprimé : %2")
                 .arg(fileName, file.errorString());
    return false;
}

} // namespace BasJournal
