// The search over journal rows.
#include "JournalSearch.h"

#include "JournalColumns.h"
#include "JournalModel.h"
#include "LikePattern.h"

namespace BasJournal {

void SearchGrid(const QString& value, int column, const JournalModel& model,
                QVector<CallRecord>* matches) {
    const LikePattern pattern(QLatin1Char('*') + value + QLatin1Char('*'), Qt::CaseInsensitive);
    const int fieldIndex = JournalColumns::fieldOf(column);
    const int rows = model.recordCount();
    for (int row = 0; row < rows; ++row) {
        if (pattern.matches(model.field(row, fieldIndex)))
            matches->append(model.record(row));
    }
}

} // namespace BasJournal
