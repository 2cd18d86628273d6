// The file manager's list of logs.
#include "core/LogFilesModel.h"

#include "common/LogFile.h"
#include "platform/LocaleFormats.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <utility>

namespace BasJournal {

namespace {

qint64 kilobytes(qint64 bytes) {
    const qint64 whole = bytes / 1024;
    const qint64 rest = bytes % 1024;
    if (rest * 2 > 1024 || (rest * 2 == 1024 && whole % 2 == 1))
        return whole + 1;
    return whole;
}

QString modifiedText(const QDateTime& modified) {
    return LocaleFormats::shortDate(modified.date()) + QLatin1Char(' ') +
           LocaleFormats::longTime(modified.time());
}

} // namespace

LogFilesModel::LogFilesModel(const LogFolder& folder, QObject* parent)
    : QAbstractTableModel(parent)
    , m_folder(folder) {}

void LogFilesModel::load() {
    QSet<QString> ticked;
    for (const Entry& entry : std::as_const(m_entries)) {
        if (entry.ticked)
            ticked.insert(entry.fileName);
    }
    beginResetModel();
    m_entries.clear();
    const QDir folder(m_folder.folder());
    for (const QString& name : m_folder.logNames()) {
        Entry entry = entryOf(folder.filePath(name));
        entry.ticked = ticked.contains(name);
        m_entries.append(entry);
    }
    endResetModel();
    emit ticksChanged();
}

int LogFilesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

int LogFilesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogFilesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Entry& entry = m_entries[index.row()];
    const auto column = static_cast<LogFileColumn>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (column) {
        case LogFileColumn::Fichier:
            return entry.fileName.toLower();
        case LogFileColumn::Taille:
            return sizeText(entry.bytes);
        case LogFileColumn::Communications:
            return QString::number(communications(entry));
        case LogFileColumn::Modifie:
            return modifiedText(entry.modified);
        }
        break;
    case SortRole:
        switch (column) {
        case LogFileColumn::Fichier:
            return entry.fileName.toLower();
        case LogFileColumn::Taille:
            return entry.bytes;
        case LogFileColumn::Communications:
            return communications(entry);
        case LogFileColumn::Modifie:
            return entry.modified;
        }
        break;
    case Qt::CheckStateRole:
        if (column == LogFileColumn::Fichier)
            return entry.ticked ? Qt::Checked : Qt::Unchecked;
        break;
    case Qt::TextAlignmentRole:
        if (column == LogFileColumn::Taille || column == LogFileColumn::Communications)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        break;
    }
    return {};
}

QVariant LogFilesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const QStringList headers{QStringLiteral("Fichier"), QStringLiteral("Taille"),
                                     QStringLiteral("Communications"), QStringLiteral("Modifié")};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return headers[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags LogFilesModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == int(LogFileColumn::Fichier))
        flags |= Qt::ItemIsUserCheckable | Qt::ItemIsEditable;
    return flags;
}

bool LogFilesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        index.column() != int(LogFileColumn::Fichier))
        return false;
    if (role == Qt::CheckStateRole) {
        setTicked(index.row(), value.toInt() == Qt::Checked);
        return true;
    }
    if (role != Qt::EditRole)
        return false;
    Entry& entry = m_entries[index.row()];
    const QString wanted = value.toString();
    // The name is shown in lower case: an edit that changes nothing leaves
    // the name on disk as it is.
    if (wanted == entry.fileName.toLower())
        return true;
    QString reason;
    const QString taken = m_folder.renameLog(entry.fileName, wanted, &reason);
    if (taken.isEmpty()) {
        emit renameRefused(reason);
        return false;
    }
    const QString oldName = std::exchange(entry.fileName, taken);
    emit dataChanged(index, index.siblingAtColumn(ColumnCount - 1));
    emit renamed(oldName, taken);
    return true;
}

QString LogFilesModel::fileName(int row) const {
    return m_entries[row].fileName;
}

bool LogFilesModel::isTicked(int row) const {
    return m_entries[row].ticked;
}

void LogFilesModel::setTicked(int row, bool ticked) {
    if (m_entries[row].ticked == ticked)
        return;
    m_entries[row].ticked = ticked;
    const QModelIndex changed = index(row, int(LogFileColumn::Fichier));
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
    emit ticksChanged();
}

bool LogFilesModel::anyTicked() const {
    return std::any_of(m_entries.cbegin(), m_entries.cend(),
                       [](const Entry& entry) { return entry.ticked; });
}

LogFileTotals LogFilesModel::totals() const {
    const bool onlyTicked = anyTicked();
    LogFileTotals totals;
    for (const Entry& entry : m_entries) {
        if (onlyTicked && !entry.ticked)
            continue;
        ++totals.files;
        totals.communications += communications(entry);
    }
    return totals;
}

QString LogFilesModel::sizeText(qint64 bytes) {
    return QString::number(kilobytes(bytes)) + QStringLiteral(" Ko");
}

LogFilesModel::Entry LogFilesModel::entryOf(const QString& path) {
    const QFileInfo info(path);
    Entry entry;
    entry.fileName = info.fileName();
    entry.bytes = info.size();
    entry.modified = info.lastModified();
    return entry;
}

qint64 LogFilesModel::communications(const Entry& entry) {
    return LogFile::recordCount(entry.bytes);
}

} // namespace BasJournal
