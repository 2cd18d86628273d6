// A store and a log folder in temporary folders; the log folder is the one
// the log writers use while the object lives.
#pragma once

#include "support/TemporaryStore.h"

#include <QByteArray>
#include <QMap>
#include <QSettings>

// "Section/Key" -> stored text.
using StoreContents = QMap<QString, QString>;

class TemporaryFiles final {
public:
    TemporaryFiles()
        : m_oldJournaux(qgetenv("ORVALIS_JOURNAUX")) {
        qputenv("ORVALIS_JOURNAUX", journaux().toUtf8());
    }
    ~TemporaryFiles() {
        if (m_oldJournaux.isEmpty())
            qunsetenv("ORVALIS_JOURNAUX");
        else
            qputenv("ORVALIS_JOURNAUX", m_oldJournaux);
    }
    Q_DISABLE_COPY_MOVE(TemporaryFiles)

    SettingsStore& store() { return m_store.store(); }
    QString storePath() const { return m_store.path(); }
    QString journaux() const { return m_store.filePath(QStringLiteral("Journaux")); }

    // Everything the store file holds, read back from the file.
    StoreContents contents() const {
        QSettings file(storePath(), QSettings::IniFormat);
        StoreContents all;
        for (const QString& key : file.allKeys())
            all.insert(key, file.value(key).toString());
        return all;
    }

private:
    QByteArray m_oldJournaux;
    TemporaryStore m_store;
};
