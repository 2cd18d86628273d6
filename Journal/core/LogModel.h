// A log file shown as a journal: the file is read once, in chunks so that a
// progress bar can move, and its records are decoded when shown. Followed,
// it then takes the records the calculator appends to the file.
#pragma once

#include "core/JournalModel.h"

#include <functional>

namespace BasJournal {

class LogWatcher;

class LogModel final : public JournalModel {
    Q_OBJECT

public:
    // Called while the file is read with the share read so far, 0 to 100.
    using Progress = std::function<void(int percent)>;

    using JournalModel::JournalModel;

    // Reads the whole file, reporting progress after each chunk. False with
    // *error when the file cannot be read; the model is then empty.
    bool load(const QString& path, const Progress& progress = {}, QString* error = nullptr);

    // Takes the whole records appended to the file since it was read; a
    // record still being written waits for its last bytes. A file that got
    // shorter or was replaced is read again whole; a file gone leaves the
    // rows as they are. False with *error when the file cannot be read: the
    // rows are then kept.
    bool takeAppended(QString* error = nullptr);

    // Takes the appended records each time the file changes.
    void follow();
    // The file was renamed: it is read and followed under its new path.
    void setPath(const QString& path);

signals:
    // Following the file failed; told once until a read succeeds again.
    void followFailed(const QString& error);

private:
    bool reload(QString* error);
    void onFileChanged();

    QString m_path;
    LogWatcher* m_watcher = nullptr;
    bool m_failing = false;
};

} // namespace BasJournal
