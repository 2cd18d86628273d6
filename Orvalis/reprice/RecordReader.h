// The one reader of a logged call, shared by the statistics, the export and
// the re-pricing: its type and distance band from the description, the day
// and the time it started in the locale that wrote them, its duration and
// the cost it was logged at, as values, read straight from the stored
// bytes. A twelve-hour start whose morning or evening marker the field cut
// off is the one at which the calculator prices the call at its logged
// cost, when only one of them is.
#pragma once

#include "reprice/FieldValues.h"
#include "reprice/LogName.h"
#include "reprice/ShortDateReader.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Settings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QVarLengthArray>
#include <QVector>

#include <optional>

namespace Repricing {

struct LoggedCall {
    BasOrvalis::CommunicationType type = BasOrvalis::CommunicationType::Standard;
    // 1 local .. 5 national; 0 when the description names no band.
    int band = 0;
    QDate date;
    // "Début", in seconds from the start of `date`; none when a twelve-hour
    // start lost its marker and the logged cost does not tell which it was.
    std::optional<int> startSecond;
    // "Durée".
    int seconds = 0;
    // "Cout".
    double cost = 0.;
};

struct RecordReading {
    enum class Kind { Call, Reset, Unreadable };
    Kind kind = Kind::Unreadable;
    // A call: every field. A reset or an unreadable record: its date when
    // that reads, the other fields unset.
    LoggedCall call;
    // Why an unreadable record cannot be read.
    QString reason;
};

class RecordReader final {
public:
    // The records of the log named `name`, priced with `settings` where the
    // logged cost settles a start.
    RecordReader(const LogName& name, const BasOrvalis::Settings& settings);

    // `data`: the stored bytes of one record, up to its 84 bytes of data
    // (fewer when the file ends within it; the missing bytes read as blanks).
    RecordReading read(QByteArrayView data);

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

    const DateReading& date(QByteArrayView stored);
    DateReading readDate(QStringView text) const;
    const Description& description(QByteArrayView stored);
    const std::optional<double>& cost(QByteArrayView stored);
    // The seconds of the day the start text may stand for: one, two when a
    // twelve-hour time lost its marker, none when it cannot be read.
    using Starts = QVarLengthArray<int, 2>;
    Starts startSeconds(QStringView text, quint32 locales) const;
    std::optional<int> settledByCost(const LoggedCall& call, const Starts& starts) const;

    LogName m_name;
    const BasOrvalis::Settings& m_settings;
    QVector<ShortDateReader> m_dateReaders;
    // The locales that write times on a twelve-hour clock, one bit each.
    quint32 m_twelveHourLocales = 0;
    // Dates and costs by their eight bytes, descriptions by theirs.
    FieldValues<quint64, DateReading> m_dates;
    FieldValues<QByteArray, Description> m_descriptions;
    FieldValues<quint64, std::optional<double>> m_costs;
};

} // namespace Repricing
