// Where the records of the calculator go: the month's log file in the
// program, a list in simulations and tests.
#pragma once

#include "engine/WriteFailure.h"

#include "common/CallRecord.h"

#include <QDateTime>
#include <QVector>

class CallLogSink {
public:
    virtual ~CallLogSink() = default;
    // Appends one record (a call, or a reset of the total) written at
    // `writtenAt`: it goes to the log of that instant's month. False when it
    // cannot be appended, with the log and the system's reason in *failure;
    // the log is then left as it was.
    virtual bool append(const CallRecord& record, const QDateTime& writtenAt,
                        WriteFailure* failure) = 0;
    // The records of the log of `writtenAt`'s month, oldest first; none when
    // it is missing or cannot be read.
    virtual QVector<CallRecord> recordsOfMonth(const QDateTime& writtenAt) const = 0;
};
