// One running copy per program and user, held by a lock file.
#include "platform/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& programName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(
        QDir(folder).filePath(QStringLiteral("orvalis-%1.lock").arg(programName)));
    // A copy that lives for days must keep its lock: never consider it stale.
    m_lock->setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    // A lock left by a copy that crashed is taken over (its process is gone).
    return m_lock->tryLock(0);
}
