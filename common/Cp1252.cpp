// Windows-1252: Latin-1 but for the 32 codes 0x80..0x9F.
#include "common/Cp1252.h"

#include <array>

namespace Cp1252 {

namespace {

// Unicode of the codes 0x80..0x9F; 0 marks the five codes left undefined,
// which are read as the C1 control of the same value.
constexpr std::array<char16_t, 32> HighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QChar toUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && HighControls[byte - 0x80] != 0)
        return QChar(HighControls[byte - 0x80]);
    return QChar(byte);
}

char fromUnicode(QChar ch) {
    const char16_t code = ch.unicode();
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == code && code != 0)
            return char(0x80 + i);
    }
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return char(code);
    if (code >= 0x80 && code <= 0x9F && HighControls[code - 0x80] == 0)
        return char(code);
    return '?';
}

} // namespace

QString decode(const char* data, int size) {
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (int i = 0; i < size; ++i)
        out[i] = toUnicode(static_cast<unsigned char>(data[i]));
    return text;
}

QStringView decodeInto(QByteArrayView bytes, QChar* buffer) {
    for (qsizetype i = 0; i < bytes.size(); ++i)
        buffer[i] = toUnicode(static_cast<unsigned char>(bytes[i]));
    return QStringView(buffer, bytes.size());
}

QString decode(const QByteArray& bytes) {
    return decode(bytes.constData(), int(bytes.size()));
}

QByteArray encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text)
        bytes.append(fromUnicode(ch));
    return bytes;
}

} // namespace Cp1252
