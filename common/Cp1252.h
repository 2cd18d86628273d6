// Windows-1252, the 8-bit code page of the texts in the log files.
#pragma once

#include <QByteArray>
#include <QString>

namespace Cp1252 {

QString decode(const QByteArray& bytes);
QString decode(const char* data, int size);
// Characters outside the code page become '?'.
QByteArray encode(const QString& text);

} // namespace Cp1252
