// The rows of a journal window as a table model: column 0 numbers the rows
// from 1 (the same number heads each row), columns 1 to 7 show the record's
// fields exactly as stored.
#pragma once

#include "core/JournalRows.h"

#include <QAbstractTableModel>

namespace BasJournal {

class JournalModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const final;
    int columnCount(const QModelIndex& parent = QModelIndex()) const final;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const final;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const final;

    const JournalRows& rows() const;
    // The record shown in a row (rows count from 0).
    CallRecord record(int row) const;
    // Every row as a record, in row order: what a saved result writes.
    QVector<CallRecord> records() const;

signals:
    // The records changed: loaded again, completed or appended to (the
    // appended ones are also told by rowsInserted).
    void recordsChanged();

protected:
    void setRows(JournalRows rows);
    // Bytes a log file gained: a record they complete is told changed, the
    // records they add are inserted after the last row.
    void appendFileBytes(const QByteArray& bytes);

private:
    JournalRows m_rows;
};

} // namespace BasJournal
