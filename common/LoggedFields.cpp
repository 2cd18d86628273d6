// Reading amounts and durations back from log fields.
#include "common/LoggedFields.h"

#include <charconv>

namespace LoggedFields {

namespace {

bool isDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

// Reads the digits from *pos on into *value; false when there are none.
bool readDigits(QStringView text, qsizetype* pos, qint64* value, int* count) {
    const qsizetype start = *pos;
    while (*pos < text.size() && isDigit(text.at(*pos)) && *pos - start < 15) {
        *value = *value * 10 + (text.at(*pos).unicode() - u'0');
        ++*pos;
    }
    *count = int(*pos - start);
    return *count > 0;
}

} // namespace

std::optional<double> readAmount(QStringView text) {
    const QStringView trimmed = text.trimmed();
    // Digits, one separator and a sign, as plain characters for from_chars,
    // which rounds to the nearest double as a literal would.
    char plain[32];
    if (trimmed.isEmpty() || trimmed.size() >= qsizetype(sizeof plain))
        return std::nullopt;
    bool separator = false;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar ch = trimmed.at(i);
        const bool sign = i == 0 && ch == QLatin1Char('-');
        const bool point = ch == QLatin1Char(',') || ch == QLatin1Char('.');
        // A separator stands between digits, once.
        if (point &&
            (separator || i == 0 || !isDigit(trimmed.at(i - 1)) || i + 1 == trimmed.size()))
            return std::nullopt;
        if (!sign && !point && !isDigit(ch))
            return std::nullopt;
        separator = separator || point;
        plain[i] = point ? '.' : char(ch.unicode());
    }
    double value = 0.;
    const char* end = plain + trimmed.size();
    const auto [last, error] = std::from_chars(plain, end, value);
    if (error != std::errc() || last != end)
        return std::nullopt;
    return value;
}

std::optional<int> readDurationSeconds(QStringView text) {
    const QStringView trimmed = text.trimmed();
    qsizetype pos = 0;
    qint64 parts[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (pos >= trimmed.size() || trimmed.at(pos) != QLatin1Char(':'))
                return std::nullopt;
            ++pos;
        }
        int count = 0;
        if (!readDigits(trimmed, &pos, &parts[i], &count) || (i > 0 && count != 2))
            return std::nullopt;
    }
    if (pos != trimmed.size() || parts[1] >= 60 || parts[2] >= 60 || parts[0] > 99999)
        return std::nullopt;
    return int(parts[0] * 3600 + parts[1] * 60 + parts[2]);
}

} // namespace LoggedFields
