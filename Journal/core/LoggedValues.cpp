// Reading amounts and durations back from log fields.
#include "core/LoggedValues.h"

namespace BasJournal {

namespace {

bool isDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

// Reads the digits from *pos on into *value; false when there are none.
bool readDigits(const QString& text, int* pos, qint64* value, int* count) {
    const int start = *pos;
    while (*pos < text.size() && isDigit(text.at(*pos)) && *pos - start < 15) {
        *value = *value * 10 + text.at(*pos).digitValue();
        ++*pos;
    }
    *count = *pos - start;
    return *count > 0;
}

} // namespace

std::optional<double> readAmount(const QString& text) {
    const QString trimmed = text.trimmed();
    int pos = 0;
    const bool negative = trimmed.startsWith(QLatin1Char('-'));
    if (negative)
        ++pos;
    qint64 whole = 0;
    int count = 0;
    if (!readDigits(trimmed, &pos, &whole, &count))
        return std::nullopt;
    double value = double(whole);
    if (pos < trimmed.size() &&
        (trimmed.at(pos) == QLatin1Char(',') || trimmed.at(pos) == QLatin1Char('.'))) {
        ++pos;
        qint64 fraction = 0;
        if (!readDigits(trimmed, &pos, &fraction, &count))
            return std::nullopt;
        double scale = 1;
        for (int i = 0; i < count; ++i)
            scale *= 10;
        value += double(fraction) / scale;
    }
    if (pos != trimmed.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> readDurationSeconds(const QString& text) {
    const QString trimmed = text.trimmed();
    int pos = 0;
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

} // namespace BasJournal
