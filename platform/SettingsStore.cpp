// The per-user settings store on a QSettings INI file.
#include "platform/SettingsStore.h"

#include "platform/DiskSync.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString groupKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

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
    const QVariant value = m_settings.value(groupKey(section, key), defaultText);
    // An unquoted "12,5" typed into the file by hand reads as a list of two.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
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
    // The file is replaced whole on each write: its new entry in the folder
    // must reach the disk as well as its bytes.
    return m_settings.status() == QSettings::NoError && DiskSync::syncPath(filePath()) &&
           DiskSync::syncFolderOf(filePath());
}
