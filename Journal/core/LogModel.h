// A log file shown as a journal: the file is read once, in chunks so that a
// progress bar can move, and its records are decoded when shown.
#pragma once

#include "core/JournalModel.h"

#include <functional>

namespace BasJournal {

class LogModel final : public JournalModel {
    Q_OBJECT

public:
    // Called while the file is read with the share read so far, 0 to 100.
    using Progress = std::function<void(int percent)>;

    using JournalModel::JournalModel;

    // Reads the whole file, reporting progress after each chunk. False with
    // *error when the file cannot be read; the model is then empty.
    bool load(const QString& path, const Progress& progress = {}, QString* error = nullptr);
};

} // namespace BasJournal
