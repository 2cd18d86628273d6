// Re-pricing the calls of logs under other types of communication.
#include "reprice/Reprice.h"

#include "reprice/CallRepricer.h"
#include "reprice/LogName.h"
#include "reprice/RecordReader.h"

#include "common/LogFile.h"

#include <QFileInfo>

#include <algorithm>
#include <tuple>

namespace Repricing {

using namespace BasOrvalis;

namespace {

// Each type of Alternatives() once, in the order asked.
QVector<CommunicationType> Asked(const QVector<CommunicationType>& alternatives) {
    QVector<CommunicationType> asked;
    for (const CommunicationType type : alternatives) {
        if (Alternatives().contains(type) && !asked.contains(type))
            asked.append(type);
    }
    return asked;
}

QString Quoted(QByteArrayView data, int field) {
    return QStringLiteral("« %1 »").arg(CallRecord::storedText(data, field));
}

// Why a record read gives no call to price; nothing for a call.
QString SkipReason(const RecordReading& reading, QByteArrayView data) {
    switch (reading.kind) {
    case RecordReading::Kind::Reset:
        return QStringLiteral("remise à zéro du coût total");
    case RecordReading::Kind::Unreadable:
        return reading.reason;
    case RecordReading::Kind::Call:
        break;
    }
    if (reading.call.band == 0)
        return QStringLiteral("distance du numéro illisible : %1").arg(Quoted(data, 1));
    if (!reading.call.startSecond)
        return QStringLiteral("heure de début sans matin ni soir : %1").arg(Quoted(data, 2));
    return {};
}

// The calls of the log that fall in `priced`, and the records skipped that
// may fall in `counted`.
RepricedLog ReadLog(const LogInput& log, const Settings& settings, const QLocale& userLocale,
                    const DayRange& priced, const DayRange& counted) {
    RepricedLog read;
    read.fileName = log.fileName;
    RecordReader reader(ReadLogName(log.fileName, userLocale), settings);
    for (int i = 0; i < log.recordCount(); ++i) {
        const QByteArrayView data = log.recordData(i);
        const RecordReading reading = reader.read(data);
        const LoggedCall& logged = reading.call;
        const QString reason = SkipReason(reading, data);
        const bool dated = logged.date.isValid();
        if (!reason.isEmpty()) {
            if (!dated || counted.contains(logged.date))
                read.skipped.append({i + 1, reason});
            continue;
        }
        if (!priced.contains(logged.date))
            continue;
        RepricedCall call;
        call.index = i + 1;
        call.date = logged.date;
        call.startSecond = *logged.startSecond;
        call.seconds = logged.seconds;
        call.band = logged.band;
        call.logged = logged.cost;
        read.calls.append(call);
    }
    return read;
}

// The calls priced before the first day counted, which only used up hours.
void KeepCounted(QVector<RepricedLog>& logs, const DayRange& counted) {
    for (RepricedLog& log : logs) {
        log.calls.erase(std::remove_if(log.calls.begin(), log.calls.end(),
                                       [&counted](const RepricedCall& call) {
                                           return !counted.contains(call.date);
                                       }),
                        log.calls.end());
    }
}

// Every call of the logs, in the order they were made.
QVector<RepricedCall*> InCallOrder(QVector<RepricedLog>& logs) {
    const auto earlier = [](const RepricedCall* a, const RepricedCall* b) {
        return std::tie(a->date, a->startSecond) < std::tie(b->date, b->startSecond);
    };
    // Logs given in another order, as a shell lists them, are taken in the
    // order of their first calls: their calls then mostly need no sorting.
    QVector<RepricedLog*> ordered;
    for (RepricedLog& log : logs) {
        if (!log.calls.isEmpty())
            ordered.append(&log);
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [&earlier](const RepricedLog* a, const RepricedLog* b) {
                         return earlier(&a->calls.first(), &b->calls.first());
                     });
    QVector<RepricedCall*> calls;
    for (RepricedLog* log : ordered) {
        for (RepricedCall& call : log->calls)
            calls.append(&call);
    }
    if (!std::is_sorted(calls.begin(), calls.end(), earlier))
        std::stable_sort(calls.begin(), calls.end(), earlier);
    return calls;
}

Totals Sum(const QVector<RepricedLog>& logs, const QVector<CommunicationType>& asked) {
    Totals totals;
    // Where each type asked keeps its cost in a call.
    QVector<std::size_t> places;
    for (const CommunicationType type : asked) {
        totals.alternatives.append({type, 0, 0., 0.});
        places.append(static_cast<std::size_t>(Alternatives().indexOf(type)));
    }
    for (const RepricedLog& log : logs) {
        totals.skipped += static_cast<int>(log.skipped.size());
        for (const RepricedCall& call : log.calls) {
            ++totals.calls;
            totals.logged += call.logged;
            for (int i = 0; i < totals.alternatives.size(); ++i) {
                AlternativeTotal& total = totals.alternatives[i];
                if (const std::optional<float>& cost = call.costs[places.at(i)]) {
                    ++total.calls;
                    total.logged += call.logged;
                    total.cost += static_cast<double>(*cost);
                }
            }
        }
    }
    return totals;
}

} // namespace

LogInput::LogInput(QString fileName, QByteArray bytes)
    : fileName(std::move(fileName))
    , bytes(std::move(bytes)) {}

bool LogInput::read(const QString& path, QString* error) {
    fileName = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile()) {
        if (error)
            *error = QStringLiteral("fichier introuvable");
        return false;
    }
    return LogFile::readBytes(path, &bytes, error);
}

LogInput::LogInput(QString fileName, const QVector<CallRecord>& records)
    : fileName(std::move(fileName)) {
    for (const CallRecord& record : records) {
        bytes.append(record.toBytes());
        bytes.append(CallRecord::SlotSize - CallRecord::DataSize, '\0');
    }
}

int LogInput::recordCount() const {
    return static_cast<int>(LogFile::recordCount(bytes.size()));
}

QByteArrayView LogInput::recordData(int index) const {
    return LogFile::recordData(bytes, index);
}

bool DayRange::contains(const QDate& date) const {
    return (!first.isValid() || date >= first) && (!last.isValid() || date <= last);
}

const QVector<CommunicationType>& Alternatives() {
    static const QVector<CommunicationType> types{
        CommunicationType::Standard, CommunicationType::Temporalis, CommunicationType::ForfaitLocal,
        CommunicationType::Numeris};
    return types;
}

std::optional<float> RepricedCall::cost(CommunicationType type) const {
    const qsizetype place = Alternatives().indexOf(type);
    if (place < 0)
        return std::nullopt;
    return costs[static_cast<std::size_t>(place)];
}

QDateTime RepricedCall::start() const {
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(startSecond * 1000));
}

Repriced Reprice(const QVector<LogInput>& logs, const QVector<CommunicationType>& alternatives,
                 const Settings& settings, const QLocale& userLocale, const DayRange& counted) {
    Repriced repriced;
    repriced.alternatives = Asked(alternatives);
    DayRange priced = counted;
    if (counted.first.isValid())
        priced.first = QDate(counted.first.year(), counted.first.month(), 1);
    for (const LogInput& log : logs)
        repriced.logs.append(ReadLog(log, settings, userLocale, priced, counted));
    CallRepricer repricer(settings, repriced.alternatives);
    for (RepricedCall* call : InCallOrder(repriced.logs))
        repricer.price(*call);
    if (priced.first != counted.first)
        KeepCounted(repriced.logs, counted);
    repriced.totals = Sum(repriced.logs, repriced.alternatives);
    return repriced;
}

} // namespace Repricing
