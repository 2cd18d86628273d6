// What waits in the data folder for a disk that refused it: the records that
// could not be appended to their month's log, in the order of the calls, and
// the values of the store that could not be written.
#pragma once

#include "engine/DataFile.h"

#include "common/CallRecord.h"

#include <QDateTime>
#include <QString>
#include <QVector>

#include <optional>

struct PendingRecord {
    CallRecord record;
    // It goes to the log of this instant's month.
    QDateTime writtenAt;
};

struct PendingSetting {
    QString section;
    QString key;
    QString text;
    // What the store's file held for the key when `text` was refused: a
    // different text found there later was written after it.
    QString previous;
};

struct PendingData {
    QVector<PendingRecord> records;
    QVector<PendingSetting> settings;
    bool isEmpty() const { return records.isEmpty() && settings.isEmpty(); }
};

class PendingFile final : private DataFile {
public:
    explicit PendingFile(const QString& path);
    Q_DISABLE_COPY_MOVE(PendingFile)

    // "Orvalis/EnAttente.json" under a data folder; the user's is under
    // $XDG_DATA_HOME.
    static QString pathUnder(const QString& dataFolder);
    static QString userPath();

    using DataFile::exists;
    using DataFile::path;
    using DataFile::setAside;

    // Replaces the file with `data` in one step, or removes it when nothing
    // waits. False, with the system's reason in *reason, when it cannot.
    bool write(const PendingData& data, QString* reason = nullptr);
    // What the file holds: nothing waits when it is missing; nothing
    // (std::nullopt) when it cannot be read.
    std::optional<PendingData> read() const;
};
