// Calls read from journal rows, each stored text read once.
#include "core/LoggedCall.h"

#include "common/LoggedFields.h"
#include "core/JournalColumns.h"
#include "platform/LocaleFormats.h"

namespace BasJournal {

namespace {

int fieldIndex(JournalColumn column) {
    return JournalColumns::fieldOf(int(column));
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
        m_descriptions.value(bytes(JournalColumn::Libelle), BasOrvalis::ReadCallDescription);
    if (!described.type)
        return std::nullopt;
    call.type = *described.type;
    call.band = described.band;

    call.date = m_dates.value(bytes(JournalColumn::Date), [this](const QString& text) {
        return LocaleFormats::readShortDate(text, m_locale);
    });
    call.startHour = m_hours.value(bytes(JournalColumn::HeureDebut), [](const QString& text) {
        const QTime start = LocaleFormats::readClockText(text);
        return start.isValid() ? start.hour() : -1;
    });
    const auto seconds =
        m_durations.value(bytes(JournalColumn::Duree), LoggedFields::readDurationSeconds);
    const auto cost = m_costs.value(bytes(JournalColumn::Cout), LoggedFields::readAmount);
    if (!call.date.isValid() || call.startHour < 0 || !seconds || !cost)
        return std::nullopt;
    call.seconds = *seconds;
    call.cost = *cost;
    return call;
}

} // namespace BasJournal
