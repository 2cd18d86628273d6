// What the D-Bus control of the calculator drives: the main window.
#pragma once

#include "common/RemoteControl.h"

#include <QString>

namespace Orvalis {

class DdeTarget {
public:
    virtual ~DdeTarget() = default;
    // The link item's text ("start" when idle, "stop" during a call).
    virtual QString ddeText() const = 0;
    // Runs an execute command; false when it is refused.
    virtual bool runDdeCommand(RemoteControl::Command command) = 0;
};

} // namespace Orvalis
