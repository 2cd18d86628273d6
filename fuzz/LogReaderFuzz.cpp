// The log reader on any file: read without a fault, one record per 94-byte
// slot (the last may be short), each written back as the very bytes it was
// read from; a record appended to it goes after every byte it holds.
#include "common/LogFile.h"
#include "fuzz/FuzzCheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

// The fields of one slot as they are stored: its bytes after the header,
// the missing ones as blanks.
QByteArray storedFields(const QByteArray& file, qsizetype record) {
    QByteArray fields = file.mid(record * CallRecord::SlotSize + CallRecord::HeaderSize,
                                 CallRecord::DataSize - CallRecord::HeaderSize);
    return fields.leftJustified(CallRecord::DataSize - CallRecord::HeaderSize, ' ');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("janv.2027.ccm"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    file.close();

    QVector<CallRecord> records;
    FUZZ_CHECK(LogFile::readAll(path, &records));
    FUZZ_CHECK(records.size() == LogFile::recordCount(bytes.size()));
    for (qsizetype i = 0; i < records.size(); ++i)
        FUZZ_CHECK(records.at(i).toBytes().mid(CallRecord::HeaderSize) == storedFields(bytes, i));

    const CallRecord appended = records.value(0);
    FUZZ_CHECK(LogFile::append(path, appended));
    QVector<CallRecord> after;
    FUZZ_CHECK(LogFile::readAll(path, &after));
    FUZZ_CHECK(after.size() == records.size() + 1);
    FUZZ_CHECK(after.last().toBytes() == appended.toBytes());
    return 0;
}
