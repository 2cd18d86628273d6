// The rows of a search result.
#include "ResultModel.h"

namespace BasJournal {

ResultModel::ResultModel(QVector<CallRecord> rows, QObject* parent)
    : JournalModel(parent)
    , m_rows(std::move(rows)) {}

int ResultModel::recordCount() const {
    return int(m_rows.size());
}

CallRecord ResultModel::record(int row) const {
    return m_rows.at(row);
}

QString ResultModel::field(int row, int fieldIndex) const {
    return m_rows.at(row).field(fieldIndex);
}

} // namespace BasJournal
