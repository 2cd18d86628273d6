// A logged call read back from its record: the day and the time it started,
// in the locale that wrote them, its duration, the distance band its
// description names and the cost it was logged at. A twelve-hour start
// whose morning or evening marker the field cut off is the one at which the
// calculator prices the call at its logged cost, when only one of them is.
#pragma once

#include "reprice/LogName.h"
#include "reprice/ShortDateReader.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Settings.h"
#include "common/CallRecord.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QVector>

#include <optional>

namespace Repricing {

struct LoggedCall {
    QDate date;
    // "Début", in seconds from the start of `date`.
    int startSecond = 0;
    // "Durée".
    int seconds = 0;
    // 1 local .. 5 national.
    int band = 0;
    // "Cout".
    double logged = 0.;
};

// The call a record logs, or why it cannot be re-priced.
struct RecordReading {
    std::optional<LoggedCall> call;
    QString reason;
};

class RecordReader final {
public:
    // The records of the log named `name`, priced with `settings` where the
    // logged cost settles a start.
    RecordReader(const LogName& name, const BasOrvalis::Settings& settings);

    // A reset record, and a record whose band, date, start, duration or
    // cost cannot be read for certain, give no call.
    RecordReading read(const CallRecord& record);

private:
    // A date text read back: the date, and which of the log's locales read
    // it so (one bit each); or why it cannot be.
    struct DateReading {
        QDate date;
        quint32 locales = 0;
        QString problem;
    };
    struct Description {
        std::optional<BasOrvalis::CommunicationType> type;
        int band = 0;
        bool reset = false;
    };

    const DateReading& date(const QString& text);
    DateReading readDate(const QString& text) const;
    const Description& description(const QString& libelle);
    // The seconds of the day the start text may stand for: one, two when a
    // twelve-hour time lost its marker, none when it cannot be read.
    QVector<int> startSeconds(const QString& text, quint32 locales) const;
    std::optional<int> settledByCost(const LoggedCall& call,
                                     std::optional<BasOrvalis::CommunicationType> type,
                                     const QVector<int>& starts) const;

    LogName m_name;
    const BasOrvalis::Settings& m_settings;
    QVector<ShortDateReader> m_dateReaders;
    // The locale writes times on a twelve-hour clock.
    QVector<bool> m_twelveHours;
    // Texts repeat from record to record: each is read once.
    QHash<QString, DateReading> m_dates;
    QHash<QString, Description> m_descriptions;
};

} // namespace Repricing
