// What the calls of one or more logs would have cost under another type of
// communication, priced by the calculator's own tariff engine with its
// holidays: "Communication standard", "Temporalis", "Numéris Itoo" (local
// calls) and "Forfait Local" (local calls inside its hours), whatever
// subscriptions the store holds.
//
// Use:
//   QByteArray bytes;
//   LogFile::readBytes(path, &bytes);
//   const Repricing::Repriced repriced = Repricing::Reprice(
//       {{QFileInfo(path).fileName(), bytes}},
//       {CommunicationType::Standard, CommunicationType::ForfaitLocal},
//       BasOrvalis::LoadSettings(store));
//   for (const Repricing::RepricedLog& log : repriced.logs)
//       for (const Repricing::RepricedCall& call : log.calls)
//           call.cost(CommunicationType::ForfaitLocal); // none: no value for this call
//   repriced.totals.alternatives[i].cost - .logged: what alternative i saves or costs more.
//
// Each call is priced on its own, from its date and "Début" (read by the
// RecordReader in the locale that wrote them, the log's name settling the
// century or a doubt, the logged cost a twelve-hour start that lost its AM
// or PM), its "Durée" and the band its description names. It carries nothing from
// the call before but what is left of the month's "Forfait Local" hours,
// used up in the order the calls were made. A "Forfait Local" call that
// uses the hours up or leaves them goes on as a standard local call, as the
// calculator goes on when the user accepts it. Reset records, and records
// whose band, date, start, duration or cost cannot be read for certain, are
// skipped with their reason.
#pragma once

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Settings.h"
#include "common/CallRecord.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

namespace Repricing {

// The types a call can be re-priced as, in the order of the type list.
const QVector<BasOrvalis::CommunicationType>& Alternatives();
constexpr int AlternativeCount = 4;

// One log: its file's name ("avr.2027.ccm"; it tells the month, the year and
// the language of its records) and its bytes, records in 94-byte slots.
struct LogInput {
    LogInput() = default;
    LogInput(QString fileName, QByteArray bytes);
    LogInput(QString fileName, const QVector<CallRecord>& records);

    // Reads the log at `path`: its file name and its bytes. False, with
    // *error, when it cannot be read.
    bool read(const QString& path, QString* error = nullptr);

    int recordCount() const;
    // The stored data of record `index`, from 0.
    QByteArrayView recordData(int index) const;

    QString fileName;
    QByteArray bytes;
};

// The days whose calls count, both included; an invalid date leaves its
// side open.
struct DayRange {
    QDate first;
    QDate last;

    bool contains(const QDate& date) const;
};

struct RepricedCall {
    // The record's row in its log, from 1.
    int index = 0;
    // The day and the time of day at which the call started.
    QDate date;
    int startSecond = 0;
    // "Durée" in seconds.
    int seconds = 0;
    // 1 local .. 5 national.
    int band = 0;
    // "Cout" of the record.
    double logged = 0.;
    // The cost under each type of Alternatives(), at its place there; none
    // for a type not asked or without value for this call.
    std::array<std::optional<float>, AlternativeCount> costs;

    std::optional<float> cost(BasOrvalis::CommunicationType type) const;
    QDateTime start() const;
};

struct SkippedRecord {
    int index = 0;
    QString reason;
};

struct RepricedLog {
    QString fileName;
    QVector<RepricedCall> calls;
    QVector<SkippedRecord> skipped;
};

// One type's sum over the calls it prices.
struct AlternativeTotal {
    BasOrvalis::CommunicationType type = BasOrvalis::CommunicationType::Standard;
    // The calls it has a value for, what they cost as logged, and what they
    // would have cost.
    int calls = 0;
    double logged = 0.;
    double cost = 0.;
};

struct Totals {
    // Calls re-priced, records skipped, and the logged cost of the calls
    // re-priced.
    int calls = 0;
    int skipped = 0;
    double logged = 0.;
    // In the order asked.
    QVector<AlternativeTotal> alternatives;
};

struct Repriced {
    // The types asked, each once, in the order asked.
    QVector<BasOrvalis::CommunicationType> alternatives;
    QVector<RepricedLog> logs;
    Totals totals;
};

// Prices every call of `logs` as each of `alternatives` (types outside
// Alternatives() are left out) with the tariff values of `settings`. The
// locale of the user is the first one looked at for the logs' dates. Only
// the calls of the days `counted` are priced and kept, and only the
// records that may be of them are skipped; the month's calls before the
// first day are priced first, as they used some of its "Forfait Local"
// hours.
Repriced Reprice(const QVector<LogInput>& logs,
                 const QVector<BasOrvalis::CommunicationType>& alternatives,
                 const BasOrvalis::Settings& settings, const QLocale& userLocale = QLocale(),
                 const DayRange& counted = {});

} // namespace Repricing
