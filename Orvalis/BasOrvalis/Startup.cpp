// The start-up sequence of the calculator and the start date it notes.
#include "BasOrvalis/Startup.h"

#include "BasOrvalis/FirstRunCleanup.h"
#include "BasOrvalis/LoadSettings.h"

namespace BasOrvalis {

StartDate StartDateOf(const QDate& today) {
    return {today.day(), today.month(), today.year() % 100};
}

StartupState RunStartup(SettingsStore& store, const QDate& today) {
    if (IsFirstRun(store))
        FirstRunCleanup(store);
    StartupState state;
    state.startDate = StartDateOf(today);
    // The holidays come from the four-digit year: a two-digit one would need
    // a century window.
    state.joursFeries = ComputeHolidays(today.year());
    state.settings = LoadSettings(store);
    return state;
}

} // namespace BasOrvalis
