// The monthly call log files: their names, the append rule of the writers and
// the record count of the readers.
#pragma once

#include "common/CallRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QVector>

namespace LogFile {

// "déc.2026.ccm": abbreviated month name, four-digit year, ".ccm".
QString monthlyName(const QDate& date, const QLocale& locale = QLocale());

// Records held by a file of `length` bytes: the length divided by 94,
// rounded up (a file whose last slot is full reads like one written here).
qint64 recordCount(qint64 length);

// Appends one record after the last slot of the file, creating the file and
// its folder when missing. The 84 data bytes go in one write; no existing
// byte is touched; the record is on the disk when this returns true. On
// failure returns false, sets *error (the system's reason) when given, and
// leaves the file as long as it was: no part of a record stays.
bool append(const QString& path, const CallRecord& record, QString* error = nullptr);

// Writes a whole file from scratch, records in order (a saved search result).
bool writeAll(const QString& path, const QVector<CallRecord>& records, QString* error = nullptr);

// The stored data of record `index` (from 0) among a file's bytes: up to
// its 84 bytes, fewer when the file ends within them.
QByteArrayView recordData(QByteArrayView fileBytes, qint64 index);

// Reads the bytes of a whole file. False (and *error) when it cannot be read.
bool readBytes(const QString& path, QByteArray* bytes, QString* error = nullptr);

// Reads every record of a file. False (and *error) when it cannot be read.
// *withoutHeader, when given, receives the numbers (from 1) of the records
// whose slot does not begin with the record header.
bool readAll(const QString& path, QVector<CallRecord>* records, QString* error = nullptr,
             QVector<qint64>* withoutHeader = nullptr);

} // namespace LogFile
