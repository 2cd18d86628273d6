// A search result shown as a journal: the matching records, copied, in the
// order they were found.
#pragma once

#include "JournalModel.h"

namespace BasJournal {

class ResultModel final : public JournalModel {
    Q_OBJECT

public:
    explicit ResultModel(QVector<CallRecord> rows, QObject* parent = nullptr);

    int recordCount() const override;
    CallRecord record(int row) const override;
    QString field(int row, int fieldIndex) const override;

private:
    QVector<CallRecord> m_rows;
};

} // namespace BasJournal
