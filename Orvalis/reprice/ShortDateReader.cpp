// Reading a locale's short date back into its fields.
#include "reprice/ShortDateReader.h"

#include "platform/LocaleFormats.h"

namespace Repricing {

namespace {

// The number of at most `maxDigits` digits at `position`, which moves past
// it; `digits` tells how many there were.
std::optional<int> ReadDigits(QStringView text, qsizetype& position, int maxDigits,
                              int* digits = nullptr) {
    int value = 0;
    int count = 0;
    while (count < maxDigits && position < text.size() && text.at(position).isDigit()) {
        value = value * 10 + text.at(position).digitValue();
        ++position;
        ++count;
    }
    if (digits)
        *digits = count;
    if (count == 0)
        return std::nullopt;
    return value;
}

// A day or a month as the pattern writes it: two digits, or one or two
// without a leading zero.
std::optional<int> ReadNumber(QStringView text, qsizetype& position, int width) {
    const bool leadingZero = position < text.size() && text.at(position) == QLatin1Char('0');
    int digits = 0;
    const std::optional<int> value = ReadDigits(text, position, 2, &digits);
    if (width == 2 ? digits != 2 : leadingZero)
        return std::nullopt;
    return value;
}

} // namespace

ShortDateReader::ShortDateReader(const QLocale& locale) {
    for (int month = 1; month <= 12; ++month)
        m_monthNames.append(locale.monthName(month, QLocale::ShortFormat));
    parsePattern(LocaleFormats::shortDateFormat(locale));
}

void ShortDateReader::parsePattern(const QString& pattern) {
    const auto addText = [this](QChar ch) {
        if (m_tokens.isEmpty() || m_tokens.last().kind != Token::Text)
            m_tokens.append({Token::Text, QString(), 0});
        m_tokens.last().text += ch;
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar ch = pattern.at(i);
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern.at(i + run) == ch)
            ++run;
        if (ch == QLatin1Char('\'')) {
            // Quoted text; two quotes stand for one.
            qsizetype end = pattern.indexOf(QLatin1Char('\''), i + 1);
            if (end < 0)
                end = pattern.size();
            if (end == i + 1)
                addText(ch);
            for (qsizetype j = i + 1; j < end; ++j)
                addText(pattern.at(j));
            i = end + 1;
            continue;
        }
        const int width = static_cast<int>(run);
        if (ch == QLatin1Char('d') && run <= 2)
            m_tokens.append({Token::Day, QString(), width});
        else if (ch == QLatin1Char('M') && run <= 2)
            m_tokens.append({Token::Month, QString(), width});
        else if (ch == QLatin1Char('M') && run == 3)
            m_tokens.append({Token::MonthName, QString(), 0});
        else if (ch == QLatin1Char('y'))
            m_tokens.append({Token::Year, QString(), 0});
        else if (ch.isLetter())
            m_unreadable = true;
        else
            for (qsizetype j = 0; j < run; ++j)
                addText(ch);
        i += run;
    }
}

std::optional<ShortDateReader::Fields> ShortDateReader::read(QStringView text) const {
    if (m_unreadable)
        return std::nullopt;
    text = text.trimmed();
    Fields fields;
    qsizetype position = 0;
    for (const Token& token : m_tokens) {
        std::optional<int> value;
        switch (token.kind) {
        case Token::Day:
            value = ReadNumber(text, position, token.width);
            fields.day = value.value_or(0);
            break;
        case Token::Month:
            value = ReadNumber(text, position, token.width);
            fields.month = value.value_or(0);
            break;
        case Token::MonthName:
            for (int month = 1; month <= 12 && !value; ++month) {
                const QString& name = m_monthNames.at(month - 1);
                if (text.mid(position).startsWith(name, Qt::CaseInsensitive)) {
                    value = month;
                    position += name.size();
                }
            }
            fields.month = value.value_or(0);
            break;
        case Token::Year: {
            // A year of four digits is taken as written, whatever the pattern.
            int digits = 0;
            value = ReadDigits(text, position, 4, &digits);
            if (digits != 2 && digits != 4)
                value.reset();
            fields.year = value.value_or(0);
            fields.fullYear = digits == 4;
            break;
        }
        case Token::Text:
            if (text.mid(position).startsWith(token.text))
                value = 0;
            position += token.text.size();
            break;
        }
        if (!value)
            return std::nullopt;
    }
    if (position != text.size())
        return std::nullopt;
    return fields;
}

} // namespace Repricing
