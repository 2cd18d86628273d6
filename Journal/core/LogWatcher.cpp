// The file-system watch on a log file.
#include "core/LogWatcher.h"

#include <QFileInfo>

namespace BasJournal {

LogWatcher::LogWatcher(QObject* parent)
    : QObject(parent) {
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &LogWatcher::onChange);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &LogWatcher::onChange);
}

void LogWatcher::watch(const QString& path) {
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    m_path = path;
    m_watcher.addPath(QFileInfo(path).absolutePath());
    if (QFileInfo::exists(path))
        m_watcher.addPath(path);
}

void LogWatcher::onChange() {
    // A file removed or renamed is no longer watched; one that took its
    // name is.
    if (!m_watcher.files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
    emit changed();
}

} // namespace BasJournal
