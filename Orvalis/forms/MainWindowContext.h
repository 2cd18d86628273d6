// What the main window is built with: the program's settings and store, the
// clock, where the records go and the desktop it reaches the log viewer on.
#pragma once

#include "CallLogSink.h"
#include "Clock.h"
#include "Desktop.h"
#include "Holidays.h"
#include "Messages.h"
#include "Settings.h"
#include "SettingsStore.h"

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
