// The calculator's records kept in a list instead of the month's log, with
// the instant each was written at; a log that refuses them, as a full disk,
// while `refusing` is set.
#pragma once

#include "engine/CallLogSink.h"

#include <QVector>

class CapturedLog final : public CallLogSink {
public:
    bool append(const CallRecord& record, const QDateTime& writtenAt,
                WriteFailure* failure) override {
        if (refusing) {
            if (failure)
                *failure = Refusal;
            return false;
        }
        records.append(record);
        instants.append(writtenAt);
        return true;
    }
    QVector<CallRecord> recordsOfMonth(const QDateTime& writtenAt) const override {
        QVector<CallRecord> month;
        for (int i = 0; i < records.size(); ++i) {
            if (instants.at(i).date().year() == writtenAt.date().year() &&
                instants.at(i).date().month() == writtenAt.date().month())
                month.append(records.at(i));
        }
        return month;
    }

    inline static const WriteFailure Refusal{QStringLiteral("journal.ccm"),
                                             QStringLiteral("No space left on device")};
    bool refusing = false;
    QVector<CallRecord> records;
    QVector<QDateTime> instants;
};
