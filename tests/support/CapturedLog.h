// The calculator's records kept in a list instead of the month's log.
#pragma once

#include "engine/CallLogSink.h"

#include <QVector>

class CapturedLog final : public CallLogSink {
public:
    void append(const CallRecord& record) override { records.append(record); }

    QVector<CallRecord> records;
};
