// Stored records and their decoding on demand.
#include "core/JournalRows.h"

#include "common/Cp1252.h"
#include "common/LogFile.h"
#include "reprice/FieldValues.h"

#include <array>

namespace BasJournal {

namespace {

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
    const QByteArrayView data = recordData(row);
    return CallRecord::fromBytes(data.data(), int(data.size()));
}

QByteArrayView JournalRows::recordData(int row) const {
    return LogFile::recordData(m_bytes, row);
}

QVector<CallRecord> JournalRows::records() const {
    std::array<Repricing::FieldValues<QByteArray, QString>, CallRecord::FieldCount> texts;
    QVector<CallRecord> all;
    all.reserve(m_count);
    for (int row = 0; row < m_count; ++row) {
        CallRecord& record = all.emplace_back();
        for (int f = 0; f < CallRecord::FieldCount; ++f) {
            const int width = CallRecord::FieldWidths[f];
            const QByteArrayView bytes = storedBytes(row, f);
            record.field(f) =
                texts[f].value(QByteArray::fromRawData(bytes.data(), bytes.size()), [&] {
                    QString text = Cp1252::decode(bytes.data(), int(bytes.size()));
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
    return CallRecord::storedField(recordData(row), fieldIndex);
}

void JournalRows::append(const JournalRows& from, int row) {
    const QByteArrayView data = from.recordData(row);
    m_bytes.append(data);
    m_bytes.append(CallRecord::DataSize - data.size(), ' ');
    m_bytes.append(SlotPadding, '\0');
    ++m_count;
}

const QByteArray& JournalRows::fileBytes() const {
    return m_bytes;
}

void JournalRows::appendFileBytes(const QByteArray& bytes) {
    m_bytes.append(bytes);
    m_count = int(LogFile::recordCount(m_bytes.size()));
}

} // namespace BasJournal
