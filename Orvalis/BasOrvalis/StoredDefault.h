// The default type and number that the calculator selects at start and on
// a remote "start", read from the store and checked as the calculator's
// start checks them. Widget-free, so that another program of the suite can
// tell whether a remote "start" would begin a call.
#pragma once

#include "BasOrvalis/CommunicationTexts.h"

#include <QString>

class SettingsStore;

namespace BasOrvalis {

struct StoredDefault {
    CommunicationType type = CommunicationType::FaitesUneSelection;
    QString number = FaitesUneSelection;
    // A type is chosen, and it and its number are still offered by the lists
    // for the subscriptions stored: the calculator selects them without a
    // warning, and a remote "start" begins a call on them.
    bool configured = false;
};

StoredDefault ReadStoredDefault(const SettingsStore& store);

} // namespace BasOrvalis
