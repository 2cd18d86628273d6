// The clean-up of the store on the first start of an installation.
#pragma once

class SettingsStore;

namespace BasOrvalis {

// Deletes the six obsolete keys of "Parametres" and the whole section
// "Surveillance", then marks the store: "Parametres" / "Initialisation" = "1".
// A key that is not there is no failure.
void FirstRunCleanup(SettingsStore& store);

// True when "Initialisation" reads as 0 (absent or not a number).
bool IsFirstRun(const SettingsStore& store);

} // namespace BasOrvalis
