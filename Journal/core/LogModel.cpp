// Reading a log file and decoding its records on demand.
#include "LogModel.h"

#include "Cp1252.h"
#include "LogFile.h"

#include <QFile>

#include <array>

namespace BasJournal {

namespace {

constexpr qint64 ChunkSize = 4 * 1024 * 1024;

constexpr std::array<int, CallRecord::FieldCount> fieldOffsets() {
    std::array<int, CallRecord::FieldCount> offsets{};
    int offset = CallRecord::HeaderSize;
    for (int i = 0; i < CallRecord::FieldCount; ++i) {
        offsets[i] = offset;
        offset += CallRecord::FieldWidths[i];
    }
    return offsets;
}

constexpr std::array<int, CallRecord::FieldCount> FieldOffsets = fieldOffsets();

} // namespace

bool LogModel::load(const QString& path, const Progress& progress, QString* error) {
    beginResetModel();
    m_bytes.clear();
    m_recordCount = 0;

    QFile file(path);
    bool ok = file.open(QIODevice::ReadOnly);
    if (ok) {
        const qint64 size = file.size();
        m_bytes.resize(size);
        qint64 done = 0;
        while (done < size) {
            const qint64 got = file.read(m_bytes.data() + done, qMin(ChunkSize, size - done));
            if (got < 0) {
                ok = false;
                break;
            }
            if (got == 0)
                break; // the file was cut while being read
            done += got;
            if (progress)
                progress(int(done * 100 / size));
        }
        m_bytes.truncate(done);
    }
    if (!ok) {
        if (error)
            *error = file.errorString();
        m_bytes.clear();
    }
    m_recordCount = int(LogFile::recordCount(m_bytes.size()));
    endResetModel();
    return ok;
}

int LogModel::recordCount() const {
    return m_recordCount;
}

CallRecord LogModel::record(int row) const {
    const qint64 start = qint64(row) * CallRecord::SlotSize;
    const int available = int(qMin<qint64>(CallRecord::DataSize, m_bytes.size() - start));
    return CallRecord::fromBytes(m_bytes.constData() + start, available);
}

QString LogModel::field(int row, int fieldIndex) const {
    const int width = CallRecord::FieldWidths[fieldIndex];
    const qint64 start = qint64(row) * CallRecord::SlotSize + FieldOffsets[fieldIndex];
    const int available = int(qBound<qint64>(0, m_bytes.size() - start, qint64(width)));
    QString text = Cp1252::decode(m_bytes.constData() + start, available);
    if (available < width)
        text.append(QString(width - available, QLatin1Char(' ')));
    return text;
}

} // namespace BasJournal
