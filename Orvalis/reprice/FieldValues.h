// The values of the texts of a log field, each text read once: a log
// repeats a few texts many times (descriptions, days, costs), and mostly
// the one of the record before, which is kept at hand.
#pragma once

#include <QByteArray>
#include <QHash>

#include <optional>
#include <type_traits>

namespace Repricing {

template <typename Key, typename T> class FieldValues final {
public:
    // The value of the text `key` stands for, `read()` the first time.
    template <typename Read> const T& value(const Key& key, const Read& read) {
        if (m_lastKey && *m_lastKey == key)
            return m_last;
        auto found = m_values.constFind(key);
        if (found == m_values.cend() && m_values.size() < Limit)
            found = m_values.insert(owned(key), read());
        if (found != m_values.cend()) {
            // The key kept shares the stored one's bytes.
            m_lastKey = found.key();
            m_last = *found;
        } else {
            m_lastKey = owned(key);
            m_last = read();
        }
        return m_last;
    }

private:
    // Beyond this many different texts a text is read without being kept:
    // a log whose every cost differs costs time, not memory.
    static constexpr int Limit = 1 << 16;

    // A key that may only point to the bytes of a record, copied.
    template <typename K> static K owned(const K& key) {
        if constexpr (std::is_same_v<K, QByteArray>)
            return QByteArray(key.constData(), key.size());
        else
            return key;
    }

    QHash<Key, T> m_values;
    std::optional<Key> m_lastKey;
    T m_last{};
};

} // namespace Repricing
