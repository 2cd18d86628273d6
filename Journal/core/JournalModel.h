// The rows of a journal window as a table model: column 0 numbers the rows
// from 1, columns 1 to 7 show the record's fields exactly as stored.
#pragma once

#include "CallRecord.h"

#include <QAbstractTableModel>
#include <QVector>

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

    virtual int recordCount() const = 0;
    // The record shown in a row (rows count from 0).
    virtual CallRecord record(int row) const = 0;
    // One field of that record (0 Date ... 6 Total), without building the others.
    virtual QString field(int row, int fieldIndex) const = 0;

    // Every row as a record, in row order: what a saved result writes.
    QVector<CallRecord> records() const;
};

} // namespace BasJournal
