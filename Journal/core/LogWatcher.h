// Watches a log file for the calculator's appends: tells each change of the
// file, and of its folder, so that a file removed or replaced is watched
// again once a file of that name is back.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

namespace BasJournal {

class LogWatcher final : public QObject {
    Q_OBJECT

public:
    explicit LogWatcher(QObject* parent = nullptr);

    // Watches `path` instead of the file watched so far.
    void watch(const QString& path);

signals:
    // The file, or the folder that holds it, changed.
    void changed();

private:
    void onChange();

    QFileSystemWatcher m_watcher;
    QString m_path;
};

} // namespace BasJournal
