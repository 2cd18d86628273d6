// A log file shown as a journal: the file's bytes are kept as read and each
// record's fields are decoded when asked for, so a million records cost one
// read of the file and no per-cell objects.
#pragma once

#include "JournalModel.h"

#include <QByteArray>

#include <functional>

namespace BasJournal {

class LogModel final : public JournalModel {
    Q_OBJECT

public:
    // Called while the file is read with the share read so far, 0 to 100.
    using Progress = std::function<void(int percent)>;

    using JournalModel::JournalModel;

    // Reads the whole file in chunks, reporting progress after each. The
    // records are those of the bytes read: the length divided by 94, rounded
    // up. False with *error when the file cannot be read; the model is then empty.
    bool load(const QString& path, const Progress& progress = {}, QString* error = nullptr);

    int recordCount() const override;
    CallRecord record(int row) const override;
    QString field(int row, int fieldIndex) const override;

private:
    QByteArray m_bytes;
    int m_recordCount = 0;
};

} // namespace BasJournal
