// The per-user settings store shared by the three programs: application
// "Orvalis", one INI group per section, every value kept as text.
#pragma once

#include <QSettings>
#include <QString>

class SettingsStore final {
public:
    // The user's store, $XDG_CONFIG_HOME/Orvalis/Orvalis.ini.
    SettingsStore();
    // A store kept in another INI file of the same format.
    explicit SettingsStore(const QString& iniPath);
    Q_DISABLE_COPY_MOVE(SettingsStore)

    static QString userStorePath();

    QString filePath() const;
    // The stored text, or defaultText when the key is absent.
    QString read(const QString& section, const QString& key,
                 const QString& defaultText = QString()) const;
    // The text the file itself holds, without the values written since that
    // wait for a sync that can write them.
    QString fileText(const QString& section, const QString& key,
                     const QString& defaultText = QString()) const;
    bool contains(const QString& section, const QString& key) const;
    // The keys of a section in the order they are stored.
    QStringList keys(const QString& section) const;
    void write(const QString& section, const QString& key, const QString& text);
    void remove(const QString& section, const QString& key);
    void removeSection(const QString& section);
    // Writes the store through to the disk (the file and its folder entry),
    // so that a value reported saved survives a power cut. False when the
    // store cannot be written; lastError() then tells the system's reason.
    // The values written meanwhile are written at the next sync that can.
    bool syncToDisk();
    const QString& lastError() const { return m_lastError; }

private:
    // True when the file holds every key and value of the store.
    bool fileHoldsTheStore() const;
    QString writeFailureReason() const;

    mutable QSettings m_settings;
    QString m_lastError;
};
