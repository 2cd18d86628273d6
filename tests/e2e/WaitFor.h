// Waiting in an end-to-end test for what another program does.
#pragma once

#include <QDeadlineTimer>
#include <QThread>

#include <functional>

// True as soon as `condition` holds, looked at every 50 ms; false when it
// still does not after `timeoutMs`.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(50);
    }
    return condition();
}
