// A search result shown as a journal: the matching records, copied, in the
// order they were found.
#pragma once

#include "core/JournalModel.h"

namespace BasJournal {

class ResultModel final : public JournalModel {
    Q_OBJECT

public:
    explicit ResultModel(JournalRows rows, QObject* parent = nullptr);
};

} // namespace BasJournal
