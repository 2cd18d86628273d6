// The logs of the log folder as the file manager lists them: name in lower
// case, size in Ko, number of communications and date of the last change,
// each with a check box; the totals of the ticked logs, or of all of them.
#pragma once

#include "core/LogFolder.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QVector>

namespace BasJournal {

enum class LogFileColumn { Fichier, Taille, Communications, Modifie };

struct LogFileTotals {
    qint64 files = 0;
    qint64 communications = 0;
};

class LogFilesModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // What the columns sort by: names, sizes and counts as numbers, dates.
    static constexpr int SortRole = Qt::UserRole;
    static constexpr int ColumnCount = 4;

    explicit LogFilesModel(const LogFolder& folder, QObject* parent = nullptr);

    // Reads the folder again; logs still there keep their ticks.
    void load();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A tick, or a new name for the log, which renames it on disk.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The name of the log on disk.
    QString fileName(int row) const;
    bool isTicked(int row) const;
    void setTicked(int row, bool ticked);
    bool anyTicked() const;
    // Of the ticked logs; of every log when none is ticked.
    LogFileTotals totals() const;

    // The size shown: bytes / 1024 brought to the nearest whole number, an
    // exact half to the even one, followed by " Ko".
    static QString sizeText(qint64 bytes);

signals:
    void ticksChanged();
    void renamed(const QString& oldName, const QString& newName);
    // A rename that was refused or failed; the log keeps its name.
    void renameRefused(const QString& reason);

private:
    struct Entry {
        QString fileName;
        qint64 bytes = 0;
        QDateTime modified;
        bool ticked = false;
    };

    static Entry entryOf(const QString& path);
    static qint64 communications(const Entry& entry);

    LogFolder m_folder;
    QVector<Entry> m_entries;
};

} // namespace BasJournal
