// The table interface shared by log and search-result models.
#include "core/JournalModel.h"

#include "common/LogFile.h"
#include "core/JournalColumns.h"

namespace BasJournal {

int JournalModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows.count();
}

int JournalModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : JournalColumns::Count;
}

QVariant JournalModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == int(JournalColumn::Numero))
            return QString::number(index.row() + 1);
        return m_rows.field(index.row(), JournalColumns::fieldOf(index.column()));
    case Qt::TextAlignmentRole:
        return int(JournalColumns::alignment(index.column()));
    default:
        return {};
    }
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool rowNumber = orientation == Qt::Vertical && section >= 0 && section < rowCount();
    const bool columnHeader =
        orientation == Qt::Horizontal && section >= 0 && section < JournalColumns::Count;
    if (!rowNumber && !columnHeader)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        // A row's header is its number, as the fixed column shows it.
        return rowNumber ? data(index(section, int(JournalColumn::Numero)))
                         : JournalColumns::header(section);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

const JournalRows& JournalModel::rows() const {
    return m_rows;
}

CallRecord JournalModel::record(int row) const {
    return m_rows.record(row);
}

QVector<CallRecord> JournalModel::records() const {
    return m_rows.records();
}

void JournalModel::setRows(JournalRows rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
    emit recordsChanged();
}

void JournalModel::appendFileBytes(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return;
    const int before = m_rows.count();
    const qint64 inLastSlot = m_rows.fileBytes().size() % CallRecord::SlotSize;
    const bool lastCompleted = inLastSlot > 0 && inLastSlot < CallRecord::DataSize;
    const int after = int(LogFile::recordCount(m_rows.fileBytes().size() + bytes.size()));
    if (after > before)
        beginInsertRows({}, before, after - 1);
    m_rows.appendFileBytes(bytes);
    if (after > before)
        endInsertRows();
    if (lastCompleted)
        emit dataChanged(index(before - 1, 0), index(before - 1, JournalColumns::Count - 1));
    emit recordsChanged();
}

} // namespace BasJournal
