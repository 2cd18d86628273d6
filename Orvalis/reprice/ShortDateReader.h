// Reads back a date that a locale wrote in its short form with a two-digit
// year ("10/03/27" in French, "3/10/27" in American English), field by
// field as the locale's pattern orders them.
#pragma once

#include <QLocale>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <optional>

namespace Repricing {

class ShortDateReader final {
public:
    explicit ShortDateReader(const QLocale& locale);

    struct Fields {
        int day = 0;
        int month = 0;
        // The year as written: two digits, or four when `fullYear`.
        int year = 0;
        bool fullYear = false;
    };
    // The fields of `text`, blanks around it ignored; none when the text is
    // not a date of this locale.
    std::optional<Fields> read(QStringView text) const;

private:
    struct Token {
        enum Kind { Day, Month, MonthName, Year, Text } kind;
        // Text: the text itself.
        QString text;
        // Day, Month: 2 when written with two digits, 1 when without a
        // leading zero.
        int width = 0;
    };

    void parsePattern(const QString& pattern);

    QVector<Token> m_tokens;
    QStringList m_monthNames;
    // The pattern holds a field this reader does not know (a day's name).
    bool m_unreadable = false;
};

} // namespace Repricing
