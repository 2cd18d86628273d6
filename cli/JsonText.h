// Minimal JSON text with the members in the order they are given, which the
// command's readers expect (QJsonObject would sort them).
#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace JsonText {

QString quoted(const QString& text);
QString number(double value, int decimals);
// The shortest text that reads back as the same value, of single or double
// precision; null when the value is not a number.
QString exactNumber(float value);
QString exactNumber(double value);
// The same texts appended to UTF-8 bytes, for long outputs.
void appendExactNumber(std::string* out, float value);
void appendExactNumber(std::string* out, double value);

// {"a": 1, "b": "x"} from members already written as JSON values.
class Object final {
public:
    Object& add(const QString& name, const QString& jsonValue);
    Object& addText(const QString& name, const QString& text);
    QString toString() const;

private:
    QStringList m_members;
};

QString array(const QStringList& jsonValues);

} // namespace JsonText
