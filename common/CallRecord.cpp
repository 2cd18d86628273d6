// The byte layout of one log record.
#include "common/CallRecord.h"

#include "common/Cp1252.h"

#include <algorithm>

namespace {

// The stored form of a text variable holding a line break: type 8 (text),
// length 2, then carriage return and line feed.
constexpr char Header[CallRecord::HeaderSize] = {8, 0, 2, 0, '\r', '\n'};

QByteArray fixedWidth(const QString& text, int width) {
    QByteArray bytes = Cp1252::encode(text.left(width));
    bytes.append(QByteArray(width - int(bytes.size()), ' '));
    return bytes;
}

constexpr bool FieldsFollowEachOther() {
    int offset = CallRecord::HeaderSize;
    for (int i = 0; i < CallRecord::FieldCount; ++i) {
        if (CallRecord::FieldOffsets[std::size_t(i)] != offset)
            return false;
        offset += CallRecord::FieldWidths[std::size_t(i)];
    }
    return offset == CallRecord::DataSize;
}
static_assert(FieldsFollowEachOther());

} // namespace

QByteArray CallRecord::toBytes() const {
    QByteArray bytes(Header, HeaderSize);
    bytes.reserve(DataSize);
    for (int i = 0; i < FieldCount; ++i)
        bytes.append(fixedWidth(field(i), FieldWidths[std::size_t(i)]));
    return bytes;
}

CallRecord CallRecord::fromBytes(const char* data, int size) {
    CallRecord record;
    for (int i = 0; i < FieldCount; ++i) {
        const QByteArrayView stored = storedField(QByteArrayView(data, size), i);
        QString text = Cp1252::decode(stored.data(), int(stored.size()));
        text.append(QString(FieldWidths[std::size_t(i)] - stored.size(), QLatin1Char(' ')));
        record.field(i) = text;
    }
    return record;
}

QString CallRecord::storedText(QByteArrayView data, int index) {
    const QByteArrayView stored = storedField(data, index);
    return Cp1252::decode(stored.data(), int(stored.size())).trimmed();
}

bool CallRecord::startsWithHeader(const char* data, int size) {
    return size >= HeaderSize && std::equal(Header, Header + HeaderSize, data);
}

const QString& CallRecord::field(int index) const {
    return const_cast<CallRecord*>(this)->field(index);
}

QString& CallRecord::field(int index) {
    switch (index) {
    case 0:
        return Date;
    case 1:
        return Libelle;
    case 2:
        return HeureDebut;
    case 3:
        return HeureFin;
    case 4:
        return Duree;
    case 5:
        return Cout;
    default:
        return Total;
    }
}

bool CallRecord::operator==(const CallRecord& other) const {
    for (int i = 0; i < FieldCount; ++i) {
        if (field(i) != other.field(i))
            return false;
    }
    return true;
}
