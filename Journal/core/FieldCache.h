// The values of the texts a field holds, each stored text read once. A log
// repeats a few texts many times (descriptions, days, costs): a million
// records are read in a fraction of a second, and texts kept share storage.
#pragma once

#include "common/Cp1252.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

namespace BasJournal {

template <typename T> class FieldCache final {
public:
    // The value of the stored bytes, `read` from their text the first time.
    template <typename Read> T value(QByteArrayView bytes, const Read& read) {
        const QByteArray key = QByteArray::fromRawData(bytes.data(), bytes.size());
        const auto found = m_values.constFind(key);
        if (found != m_values.cend())
            return found.value();
        const T value = read(Cp1252::decode(bytes.data(), int(bytes.size())));
        if (m_values.size() < Limit)
            m_values.insert(QByteArray(bytes.data(), bytes.size()), value);
        return value;
    }

private:
    // Beyond this many different texts a field is read without keeping them:
    // a log whose every cost differs costs time, not memory.
    static constexpr int Limit = 1 << 16;

    QHash<QByteArray, T> m_values;
};

} // namespace BasJournal
