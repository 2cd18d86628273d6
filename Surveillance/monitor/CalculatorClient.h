// The calculator as the monitor reaches it over the session bus: whether it
// runs, the state of its call, its commands, and its start by the bus.
#pragma once

#include "common/RemoteControl.h"

#include <QtGlobal>

#include <functional>
#include <optional>

class QObject;

class CalculatorClient {
public:
    virtual ~CalculatorClient() = default;

    // True while the calculator holds its name on the bus.
    virtual bool isRunning() = 0;
    // The process that holds the name; 0 when none does or the bus cannot tell.
    virtual qint64 processId() = 0;
    // The state read from the link item; nothing when the request fails or
    // the answer is neither word, so an unknown state is never taken for an
    // earlier one.
    virtual std::optional<RemoteControl::Status> requestStatus() = 0;
    // Sent without waiting for its answer; commands arrive in the order sent.
    // A command that cannot be delivered is lost without notice.
    virtual void sendCommand(RemoteControl::Command command) = 0;
    // Calls `done` once: with true as soon as the calculator holds its name
    // (at once when it already does), with false after `timeoutMs`. Nothing
    // is called once `context` is gone.
    virtual void whenRunning(int timeoutMs, QObject* context,
                             std::function<void(bool running)> done) = 0;
    // True when the bus can start the calculator itself: a service file of
    // an installed suite names it.
    virtual bool isActivatable() = 0;
    // Asks the bus to start the calculator, without waiting for it; false
    // when the request cannot be sent.
    virtual bool activate() = 0;
};
