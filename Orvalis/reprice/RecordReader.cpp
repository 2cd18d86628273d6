// Reading a logged call back from its record.
#include "reprice/RecordReader.h"

#include "reprice/CallPricing.h"

#include "BasOrvalis/CallDescription.h"
#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/MoneyTexts.h"
#include "common/LoggedFields.h"
#include "platform/LocaleFormats.h"

#include <QStringView>

#include <algorithm>
#include <iterator>

namespace Repricing {

using namespace BasOrvalis;

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
    const QVector<int> starts = startSeconds(record.HeureDebut, date.locales);
    if (starts.isEmpty()) {
        reading.reason =
            QStringLiteral("heure de début illisible : %1").arg(Quoted(record.HeureDebut));
        return reading;
    }
    const std::optional<int> duration = LoggedFields::readDurationSeconds(record.Duree);
    if (!duration) {
        reading.reason = QStringLiteral("durée illisible : %1").arg(Quoted(record.Duree));
        return reading;
    }
    const std::optional<double> cost = LoggedFields::readAmount(record.Cout);
    if (!cost) {
        reading.reason = QStringLiteral("coût illisible : %1").arg(Quoted(record.Cout));
        return reading;
    }
    LoggedCall call;
    call.date = date.date;
    call.startSecond = starts.first();
    call.seconds = *duration;
    call.band = described.band;
    call.logged = *cost;
    if (starts.size() > 1) {
        const std::optional<int> start = settledByCost(call, described.type, starts);
        if (!start) {
            reading.reason = QStringLiteral("heure de début sans matin ni soir : %1")
                                 .arg(Quoted(record.HeureDebut));
            return reading;
        }
        call.startSecond = *start;
    }
    reading.call = call;
    return reading;
}

const RecordReader::Description& RecordReader::description(const QString& libelle) {
    auto found = m_descriptions.constFind(libelle);
    if (found == m_descriptions.cend()) {
        static const QString reset = BuildResetRecord(QDate()).Libelle.trimmed();
        Description description;
        description.reset = libelle.trimmed() == reset;
        const DescribedCall described = ReadCallDescription(libelle);
        description.type = described.type;
        description.band = described.band;
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

QVector<int> RecordReader::startSeconds(const QString& text, quint32 locales) const {
    const std::optional<ClockText> clock = ReadClockText(text);
    if (!clock)
        return {};
    const int minutesAndSeconds = clock->minutes * 60 + clock->seconds;
    const auto at = [minutesAndSeconds](int hours) { return hours * 3600 + minutesAndSeconds; };
    if (clock->rest.isEmpty() && clock->hours <= 23) {
        bool twelveHours = false;
        for (int i = 0; i < m_twelveHours.size(); ++i)
            twelveHours = twelveHours || ((locales >> i & 1u) && m_twelveHours.at(i));
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

std::optional<int> RecordReader::settledByCost(const LoggedCall& call,
                                               std::optional<CommunicationType> type,
                                               const QVector<int>& starts) const {
    if (!type)
        return std::nullopt;
    const PricedLine line = DistanceLine(*type, call.band);
    const Holidays joursFeries = ComputeHolidays(call.date.year());
    std::optional<int> settled;
    for (const int start : starts) {
        const PricedCall priced =
            PriceCall(line, CallClock(call.date, start), call.seconds, m_settings, joursFeries);
        if (LoggedCostText(priced.cost, QLocale::c()).toDouble() != call.logged)
            continue;
        if (settled)
            return std::nullopt;
        settled = start;
    }
    return settled;
}

} // namespace Repricing
