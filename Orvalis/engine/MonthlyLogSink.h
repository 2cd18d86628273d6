// The program's records go to the log of the month in which they are
// written, in the log folder.
#pragma once

#include "engine/CallLogSink.h"

#include <QString>

class MonthlyLogSink final : public CallLogSink {
public:
    // A record that cannot be written is lost: the reason is kept and told
    // once on the program's error output; the calculator goes on.
    void append(const CallRecord& record, const QDateTime& writtenAt) override;
    const QString& lastError() const { return m_lastError; }

private:
    QString m_lastError;
};
