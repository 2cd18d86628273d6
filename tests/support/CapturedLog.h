// The calculator's records kept in a list instead of the month's log, with
// the instant each was written at.
#pragma once

#include "engine/CallLogSink.h"

#include <QVector>

class CapturedLog final : public CallLogSink {
public:
    void append(const CallRecord& record, const QDateTime& writtenAt) override {
        records.append(record);
        instants.append(writtenAt);
    }

    QVector<CallRecord> records;
    QVector<QDateTime> instants;
};
