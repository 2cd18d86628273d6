// Minimal ordered JSON text.
#include "cli/JsonText.h"

#include <charconv>
#include <cmath>

namespace JsonText {

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (ch.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(int(ch.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += ch;
        }
    }
    return out + QLatin1Char('"');
}

QString number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

namespace {

template <typename Number> void AppendShortest(std::string* out, Number value) {
    if (!std::isfinite(value)) {
        out->append("null");
        return;
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out->append(text, result.ptr - text);
}

template <typename Number> QString ShortestText(Number value) {
    std::string text;
    AppendShortest(&text, value);
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

QString exactNumber(float value) {
    return ShortestText(value);
}

QString exactNumber(double value) {
    return ShortestText(value);
}

void appendExactNumber(std::string* out, float value) {
    AppendShortest(out, value);
}

void appendExactNumber(std::string* out, double value) {
    AppendShortest(out, value);
}

Object& Object::add(const QString& name, const QString& jsonValue) {
    m_members.append(quoted(name) + QStringLiteral(": ") + jsonValue);
    return *this;
}

Object& Object::addText(const QString& name, const QString& text) {
    return add(name, quoted(text));
}

QString Object::toString() const {
    return QLatin1Char('{') + m_members.join(QStringLiteral(", ")) + QLatin1Char('}');
}

QString array(const QStringList& jsonValues) {
    return QLatin1Char('[') + jsonValues.join(QStringLiteral(",\n ")) + QLatin1Char(']');
}

} // namespace JsonText
