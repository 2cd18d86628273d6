// Minimal JSON text with the members in the order they are given, which the
// command's readers expect (QJsonObject would sort them).
#pragma once

#include <QString>
#include <QStringList>

namespace JsonText {

QString quoted(const QString& text);
QString number(double value, int decimals);

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
