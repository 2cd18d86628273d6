// Re-pricing the calls of logs under other types of communication.
#include "reprice/Reprice.h"

#include "reprice/CallRepricer.h"
#include "reprice/LogName.h"
#include "reprice/RecordReader.h"

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

RepricedLog ReadLog(const LogInput& log, const Settings& settings, const QLocale& userLocale) {
    RepricedLog read;
    read.fileName = log.fileName;
    RecordReader reader(ReadLogName(log.fileName, userLocale), settings);
    for (int i = 0; i < log.records.size(); ++i) {
        const RecordReading reading = reader.read(log.records.at(i));
        if (!reading.call) {
            read.skipped.append({i + 1, reading.reason});
            continue;
        }
        RepricedCall call;
        call.index = i + 1;
        call.date = reading.call->date;
        call.startSecond = reading.call->startSecond;
        call.seconds = reading.call->seconds;
        call.band = reading.call->band;
        call.logged = reading.call->logged;
        read.calls.append(call);
    }
    return read;
}

// Every call of the logs, in the order they were made.
QVector<RepricedCall*> InCallOrder(QVector<RepricedLog>& logs) {
    QVector<RepricedCall*> calls;
    for (RepricedLog& log : logs) {
        for (RepricedCall& call : log.calls)
            calls.append(&call);
    }
    const auto earlier = [](const RepricedCall* a, const RepricedCall* b) {
        return std::tie(a->date, a->startSecond) < std::tie(b->date, b->startSecond);
    };
    if (!std::is_sorted(calls.begin(), calls.end(), earlier))
        std::stable_sort(calls.begin(), calls.end(), earlier);
    return calls;
}

Totals Sum(const QVector<RepricedLog>& logs, const QVector<CommunicationType>& asked) {
    Totals totals;
    for (const CommunicationType type : asked)
        totals.alternatives.append({type, 0, 0., 0.});
    for (const RepricedLog& log : logs) {
        totals.skipped += static_cast<int>(log.skipped.size());
        for (const RepricedCall& call : log.calls) {
            ++totals.calls;
            totals.logged += call.logged;
            for (AlternativeTotal& total : totals.alternatives) {
                if (const std::optional<float> cost = call.cost(total.type)) {
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
                 const Settings& settings, const QLocale& userLocale) {
    Repriced repriced;
    repriced.alternatives = Asked(alternatives);
    for (const LogInput& log : logs)
        repriced.logs.append(ReadLog(log, settings, userLocale));
    CallRepricer repricer(settings, repriced.alternatives);
    for (RepricedCall* call : InCallOrder(repriced.logs))
        repricer.price(*call);
    repriced.totals = Sum(repriced.logs, repriced.alternatives);
    return repriced;
}

} // namespace Repricing
