// The start-up of the calculator up to its main window: the first-start
// clean-up, the start date, the holidays of the year and the settings.
#pragma once

#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/Settings.h"

#include <QDate>

class SettingsStore;

namespace BasOrvalis {

struct StartupState {
    Settings settings;
    StartDate startDate;
    Holidays joursFeries;
};

// Runs, in order: the clean-up when the store is not yet marked, the start
// date of `today`, the holidays of today's year, LoadSettings. The caller has
// already made sure no other copy runs, and shows the main window after.
StartupState RunStartup(SettingsStore& store, const QDate& today);

} // namespace BasOrvalis
