// What the main window is built with: the program's settings and store, the
// clock, where the records go and the desktop it reaches the log viewer on.
#pragma once

#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/Messages.h"
#include "BasOrvalis/Settings.h"
#include "desktop/Desktop.h"
#include "engine/CallLogSink.h"
#include "engine/Clock.h"
#include "platform/SettingsStore.h"

namespace Orvalis {

struct MainWindowContext {
    BasOrvalis::Settings& settings;
    const BasOrvalis::StartDate& startDate;
    const BasOrvalis::Holidays& joursFeries;
    SettingsStore& store;
    const Clock& clock;
    CallLogSink& log;
    Desktop& desktop;
    // Null: the messages are shown in message boxes over the window.
    BasOrvalis::MessagePresenter* messages = nullptr;
};

} // namespace Orvalis
