// Naming, appending to and reading the monthly call logs.
#include "common/LogFile.h"

#include "platform/AppFolders.h"
#include "platform/DiskSync.h"
#include "platform/LocaleFormats.h"

#include <QFile>
#include <QFileInfo>

namespace LogFile {

namespace {

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

bool openForWriting(QFile& file, QIODevice::OpenMode mode, QString* error) {
    if (!AppFolders::ensureFolder(QFileInfo(file.fileName()).absolutePath())) {
        setError(error,
                 QStringLiteral("Impossible de créer le dossier de %1").arg(file.fileName()));
        return false;
    }
    if (!file.open(mode)) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

bool writeAt(QFile& file, qint64 offset, const QByteArray& bytes, QString* error) {
    if (!file.seek(offset)) {
        setError(error, file.errorString());
        return false;
    }
    qint64 done = file.write(bytes);
    // The rest of a write cut short is tried once more: the system then
    // tells why it refused it.
    if (done >= 0 && done < bytes.size()) {
        const qint64 more = file.write(bytes.constData() + done, bytes.size() - done);
        done = more < 0 ? -1 : done + more;
    }
    if (done != bytes.size()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

} // namespace

QString monthlyName(const QDate& date, const QLocale& locale) {
    return LocaleFormats::monthAbbreviation(date, locale) + QString::number(date.year()) +
           QStringLiteral(".ccm");
}

qint64 recordCount(qint64 length) {
    return (length + CallRecord::SlotSize - 1) / CallRecord::SlotSize;
}

bool append(const QString& path, const CallRecord& record, QString* error) {
    QFile file(path);
    // Unbuffered: a write the disk refuses fails here, not in a later flush
    // that would leave its bytes behind the file's back.
    if (!openForWriting(file, QIODevice::ReadWrite | QIODevice::Unbuffered, error))
        return false;
    const qint64 length = file.size();
    // The next slot after every byte the file holds: a record is never
    // written over, even in a file whose end is damaged.
    const qint64 offset = recordCount(length) * CallRecord::SlotSize;
    bool written = writeAt(file, offset, record.toBytes(), error);
    // A record reported written is on the disk, and so is the entry of a
    // file it created: a power cut cannot take them.
    if (written && !(DiskSync::flush(file) && (offset > 0 || DiskSync::syncFolderOf(path)))) {
        setError(error, QStringLiteral("%1 n'a pas pu être écrit sur le disque").arg(path));
        written = false;
    }
    // A record cut short by a full disk would be read as a call: the file
    // goes back to what it held before.
    if (!written && file.size() != length && file.resize(length))
        DiskSync::flush(file);
    file.close();
    return written && file.error() == QFile::NoError;
}

bool writeAll(const QString& path, const QVector<CallRecord>& records, QString* error) {
    QFile file(path);
    if (!openForWriting(file, QIODevice::WriteOnly | QIODevice::Truncate, error))
        return false;
    for (int i = 0; i < records.size(); ++i) {
        if (!writeAt(file, qint64(i) * CallRecord::SlotSize, records.at(i).toBytes(), error))
            return false;
    }
    file.close();
    return file.error() == QFile::NoError;
}

QByteArrayView recordData(QByteArrayView fileBytes, qint64 index) {
    const qint64 start = index * CallRecord::SlotSize;
    return fileBytes.sliced(start, qMin<qint64>(fileBytes.size() - start, CallRecord::DataSize));
}

bool readBytes(const QString& path, QByteArray* bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFile::NoError) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

bool readAll(const QString& path, QVector<CallRecord>* records, QString* error,
             QVector<qint64>* withoutHeader) {
    QByteArray bytes;
    if (!readBytes(path, &bytes, error))
        return false;
    const qint64 count = recordCount(bytes.size());
    records->clear();
    records->reserve(count);
    if (withoutHeader)
        withoutHeader->clear();
    for (qint64 i = 0; i < count; ++i) {
        const QByteArrayView data = recordData(bytes, i);
        records->append(CallRecord::fromBytes(data.data(), int(data.size())));
        if (withoutHeader && !CallRecord::startsWithHeader(data.data(), int(data.size())))
            withoutHeader->append(i + 1);
    }
    return true;
}

} // namespace LogFile
