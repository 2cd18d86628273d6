// The records of a journal kept as they are stored: 94-byte slots of
// Windows-1252 text, decoded field by field when asked for. A log's rows are
// its file's bytes; a search result's rows are the matching slots, copied.
#pragma once

#include "common/CallRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVector>

namespace BasJournal {

class JournalRows final {
public:
    JournalRows() = default;
    // The bytes of a log file: the length divided by 94, rounded up, records;
    // the missing bytes of a cut last record read as blanks.
    explicit JournalRows(QByteArray fileBytes);
    static JournalRows fromRecords(const QVector<CallRecord>& records);

    int count() const;
    bool isEmpty() const;
    CallRecord record(int row) const;
    // Every record in row order; texts that repeat share their storage.
    QVector<CallRecord> records() const;
    QString field(int row, int fieldIndex) const;
    // The same text as field(), written into *text so that its storage is reused.
    void readField(int row, int fieldIndex, QString* text) const;
    // The bytes stored for a field: fewer than its width when the file ends within it.
    QByteArrayView storedBytes(int row, int fieldIndex) const;
    // The stored data of a record: up to 84 bytes.
    QByteArrayView recordData(int row) const;

    // Copies one record of another journal after the last one.
    void append(const JournalRows& from, int row);

    // The bytes held, slot after slot: for a log, the part of its file read so far.
    const QByteArray& fileBytes() const;
    // Bytes that a log file gained after those held; they may complete the
    // held last record before adding records of their own.
    void appendFileBytes(const QByteArray& bytes);

private:
    QByteArray m_bytes;
    int m_count = 0;
};

} // namespace BasJournal
