// The monitor's messages in message boxes, after a beep.
#pragma once

#include "monitor/MonitorMessages.h"

namespace Surveillance {

class MessageBoxMessages final : public MonitorMessages {
public:
    void information(const QString& title, const QString& text) override;
};

} // namespace Surveillance
