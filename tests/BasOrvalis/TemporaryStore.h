// A settings store in a temporary folder, so that no test touches the
// user's own store.
#pragma once

#include "platform/SettingsStore.h"

#include <QTemporaryDir>

#include <memory>

class TemporaryStore final {
public:
    TemporaryStore()
        : m_store(
              std::make_unique<SettingsStore>(m_folder.filePath(QStringLiteral("Orvalis.ini")))) {}

    SettingsStore& store() { return *m_store; }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<SettingsStore> m_store;
};
