// Calls read from journal rows, each stored text read once.
#include "core/LoggedCall.h"

#include "common/Cp1252.h"
#include "core/JournalColumns.h"
#include "core/LoggedValues.h"
#include "platform/LocaleFormats.h"

namespace BasJournal {

namespace {

// Beyond this many different texts a field is read without keeping them:
// a log whose every cost differs costs time, not memory.
constexpr int CacheLimit = 1 << 16;

int fieldIndex(JournalColumn column) {
    return JournalColumns::fieldOf(int(column));
}

// The value of a stored text, read by `read` the first time it is met.
template <typename T, typename Read>
T cached(QHash<QByteArray, T>& cache, QByteArrayView bytes, const Read& read) {
    const QByteArray key = QByteArray::fromRawData(bytes.data(), bytes.size());
    const auto found = cache.constFind(key);
    if (found != cache.cend())
        return found.value();
    const T value = read(Cp1252::decode(bytes.data(), int(bytes.size())));
    if (cache.size() < CacheLimit)
        cache.insert(QByteArray(bytes.data(), bytes.size()), value);
    return value;
}

} // namespace

LoggedCallReader::LoggedCallReader(const QLocale& locale)
    : m_locale(locale) {}

std::optional<LoggedCall> LoggedCallReader::read(const JournalRows& rows, int row) {
    const auto bytes = [&rows, row](JournalColumn column) {
        return rows.storedBytes(row, fieldIndex(column));
    };
    LoggedCall call;

    const BasOrvalis::DescribedCall described =
        cached(m_descriptions, bytes(JournalColumn::Libelle), BasOrvalis::ReadCallDescription);
    if (!described.type)
        return std::nullopt;
    call.type = *described.type;
    call.band = described.band;

    call.date = cached(m_dates, bytes(JournalColumn::Date), [this](const QString& text) {
        return LocaleFormats::readShortDate(text, m_locale);
    });
    call.startHour = cached(m_hours, bytes(JournalColumn::HeureDebut), [](const QString& text) {
        const QTime start = LocaleFormats::readClockText(text);
        return start.isValid() ? start.hour() : -1;
    });
    const auto seconds = cached(m_durations, bytes(JournalColumn::Duree), readDurationSeconds);
    const auto cost = cached(m_costs, bytes(JournalColumn::Cout), readAmount);
    if (!call.date.isValid() || call.startHour < 0 || !seconds || !cost)
        return std::nullopt;
    call.seconds = *seconds;
    call.cost = *cost;
    return call;
}

} // namespace BasJournal
