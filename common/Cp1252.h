// Windows-1252, the 8-bit code page of the texts in the log files.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Cp1252 {

QString decode(const QByteArray& bytes);
QString decode(const char* data, int size);
// The bytes decoded into `buffer`, which holds at least as many characters:
// a short field read without an allocation.
QStringView decodeInto(QByteArrayView bytes, QChar* buffer);
// Characters outside the code page become '?'.
QByteArray encode(const QString& text);

} // namespace Cp1252
