// The calculator's small files in its data folder, replaced atomically.
#include "engine/DataFile.h"

#include "platform/AppFolders.h"
#include "platform/DiskSync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

DataFile::DataFile(const QString& path)
    : m_path(path) {}

QString DataFile::pathUnder(const QString& dataFolder, const QString& name) {
    return QDir(dataFolder).filePath(QStringLiteral("Orvalis/") + name);
}

QString DataFile::userPath(const QString& name) {
    return pathUnder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), name);
}

bool DataFile::exists() const {
    return QFileInfo::exists(m_path);
}

bool DataFile::replace(const QByteArray& bytes, QString* reason) {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!AppFolders::ensureFolder(folder)) {
        if (reason)
            *reason = QStringLiteral("le dossier %1 ne peut pas être créé")
                          .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    // QSaveFile writes beside the file, syncs and renames over it.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    if (!DiskSync::syncFolderOf(m_path)) {
        if (reason)
            *reason = QStringLiteral("le dossier %1 n'a pas pu être écrit sur le disque")
                          .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    return true;
}

bool DataFile::remove() {
    return QFile::remove(m_path) && DiskSync::syncFolderOf(m_path);
}

std::optional<QByteArray> DataFile::bytes(qint64 maximumSize) const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maximumSize)
        return std::nullopt;
    return file.readAll();
}

bool DataFile::setAside(const QDateTime& now) {
    const QString aside =
        m_path + QStringLiteral(".illisible-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QFile::rename(m_path, aside) && DiskSync::syncFolderOf(m_path);
}
