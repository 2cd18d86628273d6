// Stored records and their decoding on demand.
#include "core/JournalRows.h"

#include "common/Cp1252.h"
#include "common/LogFile.h"
#include "core/FieldCache.h"

#include <array>

namespace BasJournal {

namespace {

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
constexpr int SlotPadding = CallRecord::SlotSize - CallRecord::DataSize;

// The character of every byte, decoded once, so that reading a field
// allocates nothing.
const QString& characters() {
    static const QString table = [] {
        QByteArray bytes(256, '\0');
        for (int i = 0; i < 256; ++i)
            bytes[i] = char(i);
        return Cp1252::decode(bytes);
    }();
    return table;
}

} // namespace

JournalRows::JournalRows(QByteArray fileBytes)
    : m_bytes(std::move(fileBytes))
    , m_count(int(LogFile::recordCount(m_bytes.size()))) {}

JournalRows JournalRows::fromRecords(const QVector<CallRecord>& records) {
    JournalRows rows;
    for (const CallRecord& record : records) {
        rows.m_bytes.append(record.toBytes());
        rows.m_bytes.append(SlotPadding, '\0');
        ++rows.m_count;
    }
    return rows;
}

int JournalRows::count() const {
    return m_count;
}

bool JournalRows::isEmpty() const {
    return m_count == 0;
}

CallRecord JournalRows::record(int row) const {
    return CallRecord::fromBytes(m_bytes.constData() + qint64(row) * CallRecord::SlotSize,
                                 available(row));
}

QVector<CallRecord> JournalRows::records() const {
    std::array<FieldCache<QString>, CallRecord::FieldCount> texts;
    QVector<CallRecord> all;
    all.reserve(m_count);
    for (int row = 0; row < m_count; ++row) {
        CallRecord& record = all.emplace_back();
        for (int f = 0; f < CallRecord::FieldCount; ++f) {
            const int width = CallRecord::FieldWidths[f];
            record.field(f) = texts[f].value(storedBytes(row, f), [width](QString text) {
                text.resize(width, QLatin1Char(' '));
                return text;
            });
        }
    }
    return all;
}

QString JournalRows::field(int row, int fieldIndex) const {
    QString text;
    readField(row, fieldIndex, &text);
    return text;
}

void JournalRows::readField(int row, int fieldIndex, QString* text) const {
    const int width = CallRecord::FieldWidths[fieldIndex];
    const QByteArrayView stored = storedBytes(row, fieldIndex);
    const auto* data = reinterpret_cast<const uchar*>(stored.data());
    const QChar* table = characters().constData();
    text->resize(width);
    QChar* out = text->data();
    for (int i = 0; i < width; ++i)
        out[i] = i < stored.size() ? table[data[i]] : QLatin1Char(' ');
}

QByteArrayView JournalRows::storedBytes(int row, int fieldIndex) const {
    const int width = CallRecord::FieldWidths[fieldIndex];
    const int offset = FieldOffsets[fieldIndex];
    const int stored = qBound(0, available(row) - offset, width);
    return {m_bytes.constData() + qint64(row) * CallRecord::SlotSize + offset, stored};
}

void JournalRows::append(const JournalRows& from, int row) {
    const char* data = from.m_bytes.constData() + qint64(row) * CallRecord::SlotSize;
    const int stored = from.available(row);
    m_bytes.append(data, stored);
    m_bytes.append(CallRecord::DataSize - stored, ' ');
    m_bytes.append(SlotPadding, '\0');
    ++m_count;
}

QByteArrayView JournalRows::fileBytes() const {
    return m_bytes;
}

void JournalRows::appendFileBytes(const QByteArray& bytes) {
    m_bytes.append(bytes);
    m_count = int(LogFile::recordCount(m_bytes.size()));
}

int JournalRows::available(int row) const {
    const qint64 start = qint64(row) * CallRecord::SlotSize;
    return int(qBound<qint64>(0, m_bytes.size() - start, qint64(CallRecord::DataSize)));
}

} // namespace BasJournal
