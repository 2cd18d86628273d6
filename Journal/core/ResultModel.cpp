// The rows of a search result.
#include "core/ResultModel.h"

namespace BasJournal {

ResultModel::ResultModel(JournalRows rows, QObject* parent)
    : JournalModel(parent) {
    setRows(std::move(rows));
}

} // namespace BasJournal
