// Reading a logged call back from its record.
#include "reprice/RecordReader.h"

#include "reprice/CallPricing.h"

#include "BasOrvalis/CallDescription.h"
#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/MoneyTexts.h"
#include "common/CallRecord.h"
#include "common/Cp1252.h"
#include "common/LoggedFields.h"
#include "platform/LocaleFormats.h"

#include <QStringView>

#include <array>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace Repricing {

using namespace BasOrvalis;

namespace {

enum Field { Date, Libelle, HeureDebut, HeureFin, Duree, Cout };

// The longest field, decoded on the stack.
using FieldBuffer = std::array<QChar, 30>;

QString Quoted(QStringView text) {
    return QStringLiteral("« %1 »").arg(text.trimmed());
}

// An eight-byte field as a number, the bytes missing at the end of a file
// as blanks, so that equal texts give equal keys.
quint64 KeyOf(QByteArrayView stored) {
    char bytes[8];
    std::memset(bytes, ' ', sizeof bytes);
    std::memcpy(bytes, stored.data(), std::size_t(std::min<qsizetype>(stored.size(), 8)));
    quint64 key = 0;
    std::memcpy(&key, bytes, sizeof key);
    return key;
}

// "HH:MM:SS" in eight ASCII bytes, as most starts and durations are
// stored, in seconds, read at once; none for any other text, which the
// general readings take.
std::optional<int> PlainClock(QByteArrayView stored) {
    if (stored.size() != 8 || stored[2] != ':' || stored[5] != ':')
        return std::nullopt;
    int parts[3];
    for (int i = 0; i < 3; ++i) {
        const int tens = stored[3 * i] - '0';
        const int units = stored[3 * i + 1] - '0';
        if (tens < 0 || tens > 9 || units < 0 || units > 9)
            return std::nullopt;
        parts[i] = tens * 10 + units;
    }
    if (parts[1] > 59 || parts[2] > 59)
        return std::nullopt;
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

// "H:MM:SS" and what follows it.
struct ClockText {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    QStringView rest;
};

// The value of a digit 0 to 9; -1 for any other character.
int Digit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9') ? ch.unicode() - u'0' : -1;
}

int TwoDigits(QStringView text, qsizetype at) {
    if (at + 2 > text.size() || Digit(text.at(at)) < 0 || Digit(text.at(at + 1)) < 0)
        return -1;
    return Digit(text.at(at)) * 10 + Digit(text.at(at + 1));
}

std::optional<ClockText> ReadClockText(QStringView text) {
    text = text.trimmed();
    ClockText clock;
    qsizetype at = 0;
    while (at < 2 && at < text.size() && Digit(text.at(at)) >= 0)
        clock.hours = clock.hours * 10 + Digit(text.at(at++));
    if (at == 0 || at >= text.size() || Digit(text.at(at)) >= 0 || text.at(at).isSpace())
        return std::nullopt;
    const QChar separator = text.at(at);
    clock.minutes = TwoDigits(text, at + 1);
    if (at + 3 >= text.size() || text.at(at + 3) != separator)
        return std::nullopt;
    clock.seconds = TwoDigits(text, at + 4);
    if (clock.minutes < 0 || clock.minutes > 59 || clock.seconds < 0 || clock.seconds > 59)
        return std::nullopt;
    clock.rest = text.mid(at + 6).trimmed();
    return clock;
}

// The locale's time of day has a morning and an afternoon marker.
bool TwelveHours(const QLocale& locale) {
    bool quoted = false;
    for (const QChar ch : LocaleFormats::longTimeFormat(locale)) {
        if (ch == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && (ch == QLatin1Char('a') || ch == QLatin1Char('A')))
            return true;
    }
    return false;
}

// The year that puts two digits nearest to the log's month; the calculator's
// window (00 to 29 in the 2000s) when the log's name bears no year.
int YearOf(int twoDigits, const LogName& name) {
    if (name.year == 0)
        return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits;
    const int logMonth = name.year * 12 + (name.month == 0 ? 6 : name.month - 1);
    const int base = name.year - name.year % 100 + twoDigits;
    int best = base;
    for (const int year : {base - 100, base + 100}) {
        if (std::abs(year * 12 - logMonth) < std::abs(best * 12 - logMonth))
            best = year;
    }
    return best;
}

// A date as one of the log's locales reads it.
struct DateOfLocale {
    QDate date;
    int locale;
};

bool Agree(const QVector<DateOfLocale>& readings) {
    return std::all_of(readings.begin(), readings.end(), [&readings](const DateOfLocale& r) {
        return r.date == readings.first().date;
    });
}

// The readings that fall in the month of `month`.
QVector<DateOfLocale> InMonth(const QVector<DateOfLocale>& readings, const QDate& month) {
    QVector<DateOfLocale> kept;
    std::copy_if(readings.begin(), readings.end(), std::back_inserter(kept),
                 [&month](const DateOfLocale& r) {
                     return r.date.year() == month.year() && r.date.month() == month.month();
                 });
    return kept;
}

} // namespace

RecordReader::RecordReader(const LogName& name, const Settings& settings)
    : m_name(name)
    , m_settings(settings) {
    for (int i = 0; i < name.locales.size(); ++i) {
        m_dateReaders.append(ShortDateReader(name.locales.at(i)));
        if (TwelveHours(name.locales.at(i)))
            m_twelveHourLocales |= 1u << i;
    }
}

RecordReading RecordReader::read(QByteArrayView data) {
    const auto field = [data](Field f) { return CallRecord::storedField(data, f); };
    RecordReading reading;
    const DateReading& date = this->date(field(Date));
    reading.call.date = date.date;
    const Description& described = description(field(Libelle));
    if (described.reset) {
        reading.kind = RecordReading::Kind::Reset;
        return reading;
    }
    FieldBuffer buffer;
    const auto text = [&buffer, &field](Field f) {
        return Cp1252::decodeInto(field(f), buffer.data());
    };
    if (!described.type) {
        reading.reason =
            QStringLiteral("type de communication illisible : %1").arg(Quoted(text(Libelle)));
        return reading;
    }
    if (!date.problem.isEmpty()) {
        reading.reason = date.problem;
        return reading;
    }
    const std::optional<int> plainStart = PlainClock(field(HeureDebut));
    const bool twentyFourHours = (date.locales & m_twelveHourLocales) == 0;
    const Starts starts = plainStart && *plainStart < 24 * 3600 && twentyFourHours
                              ? Starts{*plainStart}
                              : startSeconds(text(HeureDebut), date.locales);
    if (starts.isEmpty()) {
        reading.reason =
            QStringLiteral("heure de début illisible : %1").arg(Quoted(text(HeureDebut)));
        return reading;
    }
    std::optional<int> duration = PlainClock(field(Duree));
    if (!duration)
        duration = LoggedFields::readDurationSeconds(text(Duree));
    if (!duration) {
        reading.reason = QStringLiteral("durée illisible : %1").arg(Quoted(text(Duree)));
        return reading;
    }
    const std::optional<double>& cost = this->cost(field(Cout));
    if (!cost) {
        reading.reason = QStringLiteral("coût illisible : %1").arg(Quoted(text(Cout)));
        return reading;
    }
    LoggedCall& call = reading.call;
    call.type = *described.type;
    call.band = described.band;
    call.seconds = *duration;
    call.cost = *cost;
    call.startSecond = starts.size() == 1 ? starts.first() : settledByCost(call, starts);
    reading.kind = RecordReading::Kind::Call;
    return reading;
}

const RecordReader::Description& RecordReader::description(QByteArrayView stored) {
    return m_descriptions.value(QByteArray::fromRawData(stored.data(), stored.size()), [stored] {
        static const QString reset = BuildResetRecord(QDate()).Libelle.trimmed();
        FieldBuffer buffer;
        const QStringView libelle = Cp1252::decodeInto(stored, buffer.data());
        const DescribedCall described = ReadCallDescription(libelle.toString());
        return Description{described.type, described.band, libelle.trimmed() == reset};
    });
}

const RecordReader::DateReading& RecordReader::date(QByteArrayView stored) {
    return m_dates.value(KeyOf(stored), [this, stored] {
        FieldBuffer buffer;
        return readDate(Cp1252::decodeInto(stored, buffer.data()));
    });
}

const std::optional<double>& RecordReader::cost(QByteArrayView stored) {
    return m_costs.value(KeyOf(stored), [stored] {
        FieldBuffer buffer;
        return LoggedFields::readAmount(Cp1252::decodeInto(stored, buffer.data()));
    });
}

RecordReader::DateReading RecordReader::readDate(QStringView text) const {
    QVector<DateOfLocale> readings;
    for (int i = 0; i < m_dateReaders.size(); ++i) {
        const auto fields = m_dateReaders.at(i).read(text);
        if (!fields)
            continue;
        const int year = fields->fullYear ? fields->year : YearOf(fields->year, m_name);
        const QDate date(year, fields->month, fields->day);
        if (date.isValid())
            readings.append({date, i});
    }
    DateReading reading;
    if (readings.isEmpty()) {
        reading.problem = QStringLiteral("date illisible : %1").arg(Quoted(text));
        return reading;
    }
    // The locales that may have written the log may read the text as
    // different days: the log's month settles it, else the month before it
    // for a call that ended in the log's month.
    if (!Agree(readings) && m_name.month != 0) {
        const QDate logMonth(m_name.year, m_name.month, 1);
        for (const QDate& month : {logMonth, logMonth.addMonths(-1)}) {
            const QVector<DateOfLocale> inMonth = InMonth(readings, month);
            if (!inMonth.isEmpty()) {
                readings = inMonth;
                break;
            }
        }
    }
    if (!Agree(readings)) {
        reading.problem = QStringLiteral("date ambiguë : %1").arg(Quoted(text));
        return reading;
    }
    reading.date = readings.first().date;
    for (const DateOfLocale& r : readings)
        reading.locales |= 1u << r.locale;
    return reading;
}

RecordReader::Starts RecordReader::startSeconds(QStringView text, quint32 locales) const {
    const std::optional<ClockText> clock = ReadClockText(text);
    if (!clock)
        return {};
    const int minutesAndSeconds = clock->minutes * 60 + clock->seconds;
    const auto at = [minutesAndSeconds](int hours) { return hours * 3600 + minutesAndSeconds; };
    if (clock->rest.isEmpty() && clock->hours <= 23) {
        const bool twelveHours = (locales & m_twelveHourLocales) != 0;
        // A twelve-hour time whose marker the field cut off may be the
        // morning's or the evening's.
        if (twelveHours && clock->hours >= 1 && clock->hours <= 12)
            return {at(clock->hours % 12), at(clock->hours % 12 + 12)};
        return {at(clock->hours)};
    }
    if (clock->hours < 1 || clock->hours > 12)
        return {};
    for (const QLocale& locale : m_name.locales) {
        if (clock->rest.compare(locale.amText(), Qt::CaseInsensitive) == 0)
            return {at(clock->hours % 12)};
        if (clock->rest.compare(locale.pmText(), Qt::CaseInsensitive) == 0)
            return {at(clock->hours % 12 + 12)};
    }
    return {};
}

std::optional<int> RecordReader::settledByCost(const LoggedCall& call, const Starts& starts) const {
    // Only a call to a number of a known band is priced here.
    if (call.band == 0)
        return std::nullopt;
    const PricedLine line = DistanceLine(call.type, call.band);
    const Holidays joursFeries = ComputeHolidays(call.date.year());
    std::optional<int> settled;
    for (const int start : starts) {
        const PricedCall priced =
            PriceCall(line, CallClock(call.date, start), call.seconds, m_settings, joursFeries);
        if (LoggedCostText(priced.cost, QLocale::c()).toDouble() != call.cost)
            continue;
        if (settled)
            return std::nullopt;
        settled = start;
    }
    return settled;
}

} // namespace Repricing
