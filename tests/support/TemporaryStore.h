// A settings store in a temporary folder, so that no test touches the
// user's own store; other files of the test may go beside it.
#pragma once

#include "platform/SettingsStore.h"

#include <QTemporaryDir>

class TemporaryStore final {
public:
    TemporaryStore()
        : m_store(path()) {}
    Q_DISABLE_COPY_MOVE(TemporaryStore)

    SettingsStore& store() { return m_store; }
    QString path() const { return filePath(QStringLiteral("Orvalis.ini")); }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
    SettingsStore m_store;
};
