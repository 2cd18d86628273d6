// Logs for the viewer's tests: records with distinct fields and files
// written with the calculator's append rule.
#pragma once

#include "common/CallRecord.h"
#include "common/LogFile.h"
#include "core/JournalRows.h"

#include <QString>
#include <QVector>

#include <ostream>

// Readable failures for texts and records.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const CallRecord& record, std::ostream* os) {
    for (int i = 0; i < CallRecord::FieldCount; ++i)
        *os << (i ? "|" : "") << record.field(i).toStdString();
}

namespace JournalLogs {

inline CallRecord call(const QString& libelle, const QString& duree = QStringLiteral("00:01:05"),
                       const QString& date = QStringLiteral("08/12/26")) {
    CallRecord record;
    record.Date = date;
    record.Libelle = libelle;
    record.HeureDebut = QStringLiteral("10:00:00");
    record.HeureFin = QStringLiteral("10:01:05");
    record.Duree = duree;
    record.Cout = QStringLiteral("0.74");
    record.Total = QStringLiteral("12.50");
    return record;
}

// The record as it reads back from a file: every field padded to its width.
inline CallRecord stored(const CallRecord& record) {
    const QByteArray bytes = record.toBytes();
    return CallRecord::fromBytes(bytes.constData(), int(bytes.size()));
}

inline BasJournal::JournalRows rowsOf(const QVector<CallRecord>& records) {
    return BasJournal::JournalRows::fromRecords(records);
}

inline QVector<CallRecord> recordsOf(const BasJournal::JournalRows& rows) {
    QVector<CallRecord> records;
    for (int row = 0; row < rows.count(); ++row)
        records.append(rows.record(row));
    return records;
}

// The descriptions of the rows without their padding blanks.
inline QStringList libellesOf(const BasJournal::JournalRows& rows) {
    QStringList texts;
    for (const CallRecord& record : recordsOf(rows))
        texts.append(record.Libelle.trimmed());
    return texts;
}

inline bool appendAll(const QString& path, const QVector<CallRecord>& records) {
    for (const CallRecord& record : records) {
        if (!LogFile::append(path, record))
            return false;
    }
    return true;
}

} // namespace JournalLogs
