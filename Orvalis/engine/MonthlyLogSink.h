// The program's records go to the log of the month in which they are
// written, in the log folder.
#pragma once

#include "engine/CallLogSink.h"

class MonthlyLogSink final : public CallLogSink {
public:
    bool append(const CallRecord& record, const QDateTime& writtenAt,
                WriteFailure* failure) override;
    QVector<CallRecord> recordsOfMonth(const QDateTime& writtenAt) const override;
};
