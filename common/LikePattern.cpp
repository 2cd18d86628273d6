// The wildcard match of the Like operator, by backtracking over "*".
#include "common/LikePattern.h"

namespace {

bool sameChar(QChar a, QChar b, Qt::CaseSensitivity cs) {
    return cs == Qt::CaseSensitive ? a == b : a.toCaseFolded() == b.toCaseFolded();
}

// Matches one text character against the bracketed list that starts at
// pattern[open]; sets `end` to the position after "]". A "[" without its
// "]" is taken literally.
bool matchList(const QString& pattern, int open, QChar ch, Qt::CaseSensitivity cs, int& end) {
    const int close = pattern.indexOf(QLatin1Char(']'), open + 1);
    if (close < 0) {
        end = open + 1;
        return sameChar(pattern.at(open), ch, cs);
    }
    end = close + 1;
    int i = open + 1;
    const bool negated = i < close && pattern.at(i) == QLatin1Char('!');
    if (negated)
        ++i;
    bool found = false;
    for (; i < close && !found; ++i) {
        const QChar first = pattern.at(i);
        if (i + 2 < close && pattern.at(i + 1) == QLatin1Char('-')) {
            const QChar last = pattern.at(i + 2);
            const QChar c = cs == Qt::CaseSensitive ? ch : ch.toCaseFolded();
            const QChar lo = cs == Qt::CaseSensitive ? first : first.toCaseFolded();
            const QChar hi = cs == Qt::CaseSensitive ? last : last.toCaseFolded();
            found = lo <= c && c <= hi;
            i += 2;
        } else {
            found = sameChar(first, ch, cs);
        }
    }
    return found != negated;
}

// One pattern element at p against text[t]; sets `next` past the element.
bool matchOne(const QString& pattern, int p, QChar ch, Qt::CaseSensitivity cs, int& next) {
    const QChar element = pattern.at(p);
    next = p + 1;
    if (element == QLatin1Char('?'))
        return true;
    if (element == QLatin1Char('#'))
        return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
    if (element == QLatin1Char('['))
        return matchList(pattern, p, ch, cs, next);
    return sameChar(element, ch, cs);
}

} // namespace

LikePattern::LikePattern(const QString& pattern, Qt::CaseSensitivity cs)
    : m_pattern(pattern)
    , m_cs(cs) {}

bool LikePattern::matches(const QString& text) const {
    int p = 0;
    int t = 0;
    int starP = -1; // position after the last "*" seen
    int starT = 0;  // text position that "*" is currently made to cover up to
    while (t < text.size()) {
        int next = 0;
        if (p < m_pattern.size() && m_pattern.at(p) == QLatin1Char('*')) {
            starP = ++p;
            starT = t;
        } else if (p < m_pattern.size() && matchOne(m_pattern, p, text.at(t), m_cs, next)) {
            p = next;
            ++t;
        } else if (starP >= 0) {
            p = starP;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < m_pattern.size() && m_pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == m_pattern.size();
}
