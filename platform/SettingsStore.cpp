// The per-user settings store on a QSettings INI file.
#include "platform/SettingsStore.h"

#include "platform/DiskSync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <algorithm>
#include <optional>

namespace {

QString groupKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

// An unquoted "12,5" typed into the file by hand reads as a list of two.
QString textOf(const QVariant& value) {
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// The store's file read apart, through a copy: every QSettings of a file in
// the process shares what it holds, written to the file or not.
class FileCopy final {
public:
    explicit FileCopy(const QString& path) {
        const QString copy = m_folder.filePath(QStringLiteral("copie.ini"));
        if (m_folder.isValid() && (!QFile::exists(path) || QFile::copy(path, copy)))
            m_settings.emplace(copy, QSettings::IniFormat);
    }
    Q_DISABLE_COPY_MOVE(FileCopy)

    // None when the file could not be read.
    const QSettings* settings() const { return m_settings ? &*m_settings : nullptr; }

private:
    QTemporaryDir m_folder;
    std::optional<QSettings> m_settings;
};

} // namespace

SettingsStore::SettingsStore()
    : SettingsStore(userStorePath()) {}

SettingsStore::SettingsStore(const QString& iniPath)
    : m_settings(iniPath, QSettings::IniFormat) {}

QString SettingsStore::userStorePath() {
    const QString configHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(configHome).filePath(QStringLiteral("Orvalis/Orvalis.ini"));
}

QString SettingsStore::filePath() const {
    return m_settings.fileName();
}

QString SettingsStore::read(const QString& section, const QString& key,
                            const QString& defaultText) const {
    // Another program of the suite may have written the file meanwhile.
    m_settings.sync();
    return textOf(m_settings.value(groupKey(section, key), defaultText));
}

bool SettingsStore::contains(const QString& section, const QString& key) const {
    m_settings.sync();
    return m_settings.contains(groupKey(section, key));
}

QStringList SettingsStore::keys(const QString& section) const {
    m_settings.sync();
    m_settings.beginGroup(section);
    const QStringList names = m_settings.childKeys();
    m_settings.endGroup();
    return names;
}

void SettingsStore::write(const QString& section, const QString& key, const QString& text) {
    m_settings.setValue(groupKey(section, key), text);
    m_settings.sync();
}

void SettingsStore::remove(const QString& section, const QString& key) {
    m_settings.remove(groupKey(section, key));
    m_settings.sync();
}

void SettingsStore::removeSection(const QString& section) {
    m_settings.remove(section);
    m_settings.sync();
}

bool SettingsStore::syncToDisk() {
    m_settings.sync();
    // QSettings goes on telling the first failure it met even once its
    // writes reach the file again: then the file itself tells.
    if (m_settings.status() != QSettings::NoError && !fileHoldsTheStore()) {
        m_lastError = writeFailureReason();
        return false;
    }
    // The file is replaced whole on each write: its new entry in the folder
    // must reach the disk as well as its bytes.
    if (!DiskSync::syncPath(filePath()) || !DiskSync::syncFolderOf(filePath())) {
        m_lastError = QStringLiteral("le fichier n'a pas pu être écrit sur le disque");
        return false;
    }
    return true;
}

QString SettingsStore::fileText(const QString& section, const QString& key,
                                const QString& defaultText) const {
    const FileCopy file(filePath());
    return file.settings() ? textOf(file.settings()->value(groupKey(section, key), defaultText))
                           : defaultText;
}

bool SettingsStore::fileHoldsTheStore() const {
    const FileCopy file(filePath());
    if (!file.settings() || !QFile::exists(filePath()))
        return false;
    const QSettings& onDisk = *file.settings();
    const QStringList keys = m_settings.allKeys();
    if (onDisk.allKeys().size() != keys.size())
        return false;
    return std::all_of(keys.begin(), keys.end(), [this, &onDisk](const QString& key) {
        return onDisk.value(key) == m_settings.value(key);
    });
}

QString SettingsStore::writeFailureReason() const {
    // QSettings tells no reason: the system tells it for the file, then for
    // a file of the store's size written beside it.
    const QFileInfo store(filePath());
    QFile file(filePath());
    if (store.exists() && !file.open(QIODevice::ReadWrite))
        return file.errorString();
    QTemporaryFile probe(store.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!probe.open())
        return probe.errorString();
    if (probe.write(QByteArray(std::max<qint64>(store.size(), 1), ' ')) < 0 || !probe.flush())
        return probe.errorString();
    return QStringLiteral("le fichier n'a pas pu être remplacé");
}
