// The wildcard match of the Like operator: "*" any run of characters, "?" one
// character, "#" one digit, "[list]" one character of the list (ranges a-z
// allowed), "[!list]" one character not in it. Used by the window search
// (case-sensitive) and the journal search (case ignored).
#pragma once

#include <QString>

class LikePattern final {
public:
    explicit LikePattern(const QString& pattern, Qt::CaseSensitivity cs = Qt::CaseSensitive);

    bool matches(const QString& text) const;

private:
    QString m_pattern;
    Qt::CaseSensitivity m_cs;
};
