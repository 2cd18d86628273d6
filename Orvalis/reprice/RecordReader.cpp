// Reading a logged call back from its record.
#include "reprice/RecordReader.h"

#include "BasOrvalis/CallDescription.h"
#include "BasOrvalis/CallRecordBuilder.h"
#include "platform/LocaleFormats.h"

#include <QStringView>

#include <algorithm>
#include <charconv>
#include <iterator>

namespace Repricing {

namespace {

QString Quoted(const QString& text) {
    return QStringLiteral("« %1 »").arg(text.trimmed());
}

// "H:MM:SS" and what follows it.
struct ClockText {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    QStringView rest;
};

int TwoDigits(QStringView text, qsizetype at) {
    if (at + 2 > text.size() || !text.at(at).isDigit() || !text.at(at + 1).isDigit())
        return -1;
    return text.at(at).digitValue() * 10 + text.at(at + 1).digitValue();
}

std::optional<ClockText> ReadClockText(QStringView text) {
    text = text.trimmed();
    ClockText clock;
    qsizetype at = 0;
    while (at < 2 && at < text.size() && text.at(at).isDigit())
        clock.hours = clock.hours * 10 + text.at(at++).digitValue();
    if (at == 0 || at >= text.size() || text.at(at).isDigit() || text.at(at).isSpace())
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

// The cost as logged, with either decimal separator.
std::optional<double> ReadCost(QStringView text) {
    text = text.trimmed();
    char digits[32];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof digits))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text.at(i).unicode();
        if (ch > 0x7f)
            return std::nullopt;
        digits[i] = ch == u',' ? '.' : static_cast<char>(ch);
    }
    double value = 0.;
    const char* end = digits + text.size();
    const auto [last, error] = std::from_chars(digits, end, value);
    if (error != std::errc() || last != end)
        return std::nullopt;
    return value;
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

RecordReader::RecordReader(const LogName& name)
    : m_name(name) {
    for (const QLocale& locale : name.locales) {
        m_dateReaders.append(ShortDateReader(locale));
        m_twelveHours.append(TwelveHours(locale));
    }
}

RecordReading RecordReader::read(const CallRecord& record) {
    RecordReading reading;
    const Description& described = description(record.Libelle);
    if (described.reset) {
        reading.reason = QStringLiteral("remise à zéro du coût total");
        return reading;
    }
    if (described.band == 0) {
        reading.reason =
            QStringLiteral("distance du numéro illisible : %1").arg(Quoted(record.Libelle));
        return reading;
    }
    const DateReading& date = this->date(record.Date);
    if (!date.problem.isEmpty()) {
        reading.reason = date.problem;
        return reading;
    }
    const std::optional<int> start = startSecond(record.HeureDebut, date.locales, reading.reason);
    if (!start)
        return reading;
    const std::optional<ClockText> duration = ReadClockText(record.Duree);
    if (!duration || !duration->rest.isEmpty()) {
        reading.reason = QStringLiteral("durée illisible : %1").arg(Quoted(record.Duree));
        return reading;
    }
    const std::optional<double> cost = ReadCost(record.Cout);
    if (!cost) {
        reading.reason = QStringLiteral("coût illisible : %1").arg(Quoted(record.Cout));
        return reading;
    }
    LoggedCall call;
    call.date = date.date;
    call.startSecond = *start;
    call.seconds = duration->hours * 3600 + duration->minutes * 60 + duration->seconds;
    call.band = described.band;
    call.logged = *cost;
    reading.call = call;
    return reading;
}

const RecordReader::Description& RecordReader::description(const QString& libelle) {
    auto found = m_descriptions.constFind(libelle);
    if (found == m_descriptions.cend()) {
        static const QString reset = BasOrvalis::BuildResetRecord(QDate()).Libelle.trimmed();
        Description description;
        description.reset = libelle.trimmed() == reset;
        description.band = BasOrvalis::ReadCallDescription(libelle).band;
        found = m_descriptions.insert(libelle, description);
    }
    return *found;
}

const RecordReader::DateReading& RecordReader::date(const QString& text) {
    auto found = m_dates.constFind(text);
    if (found == m_dates.cend())
        found = m_dates.insert(text, readDate(text));
    return *found;
}

RecordReader::DateReading RecordReader::readDate(const QString& text) const {
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

std::optional<int> RecordReader::startSecond(const QString& text, quint32 locales,
                                             QString& problem) const {
    const std::optional<ClockText> clock = ReadClockText(text);
    std::optional<int> hours;
    bool twelveHours = false;
    if (clock && clock->rest.isEmpty() && clock->hours <= 23) {
        hours = clock->hours;
        for (int i = 0; i < m_twelveHours.size(); ++i)
            twelveHours = twelveHours || ((locales >> i & 1u) && m_twelveHours.at(i));
    } else if (clock && clock->hours >= 1 && clock->hours <= 12) {
        for (int i = 0; i < m_name.locales.size() && !hours; ++i) {
            const QLocale& locale = m_name.locales.at(i);
            if (clock->rest.compare(locale.amText(), Qt::CaseInsensitive) == 0)
                hours = clock->hours % 12;
            else if (clock->rest.compare(locale.pmText(), Qt::CaseInsensitive) == 0)
                hours = clock->hours % 12 + 12;
        }
    }
    if (!hours) {
        problem = QStringLiteral("heure de début illisible : %1").arg(Quoted(text));
        return std::nullopt;
    }
    // A twelve-hour time whose marker the field cut off may be the morning's
    // or the evening's.
    if (twelveHours && *hours >= 1 && *hours <= 12) {
        problem = QStringLiteral("heure de début sans matin ni soir : %1").arg(Quoted(text));
        return std::nullopt;
    }
    return *hours * 3600 + clock->minutes * 60 + clock->seconds;
}

} // namespace Repricing
