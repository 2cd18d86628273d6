// Reading and checking the stored default selection.
#include "BasOrvalis/StoredDefault.h"

#include "BasOrvalis/CommunicationLists.h"
#include "BasOrvalis/LoadSettings.h"

namespace BasOrvalis {

StoredDefault ReadStoredDefault(const SettingsStore& store) {
    const Settings settings = LoadSettings(store);
    StoredDefault stored;
    stored.type = settings.TypeDefaut;
    stored.number = settings.NumeroDefaut;
    // An unset Primaliste number is offered by its list, yet a call on it
    // stops at once.
    stored.configured = settings.TypeDefaut != CommunicationType::FaitesUneSelection &&
                        settings.NumeroDefaut != Numbers::NonConfigure &&
                        DefaultSelectionOffered(settings);
    return stored;
}

} // namespace BasOrvalis
