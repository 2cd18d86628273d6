// One running copy per program and user: a lock file under $XDG_RUNTIME_DIR.
#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

class SingleInstance final {
public:
    explicit SingleInstance(const QString& programName);
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // True when this process holds the lock, false when another copy runs.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
