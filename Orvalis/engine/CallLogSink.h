// Where the records of the calculator go: the month's log file in the
// program, a list in simulations and tests.
#pragma once

#include "common/CallRecord.h"

#include <QDateTime>

class CallLogSink {
public:
    virtual ~CallLogSink() = default;
    // Appends one record (a call, or a reset of the total) written at
    // `writtenAt`: it goes to the log of that instant's month. A record that
    // cannot be written is lost; the calculator goes on either way.
    virtual void append(const CallRecord& record, const QDateTime& writtenAt) = 0;
};
