// What the configuration dialogs ask of the main window that opens them.
#pragma once

#include <QDateTime>

class ConfigHost {
public:
    virtual ~ConfigHost() = default;
    // True while a call is in progress: no configuration dialog opens then.
    virtual bool EnCours() const = 0;
    // Refills the main window's type and number lists from Settings and
    // selects the default type and number.
    virtual void FillCommunicationTypes() = 0;
    // Shows Settings.CoutTotal in the main window's total display.
    virtual void AfficherTotal() = 0;
    // The date and time written in the record of a manual reset.
    virtual QDateTime now() const = 0;
    // Appends the record of a reset of the total made now, as the records
    // of the calls: one the log refuses waits, and the user is told.
    virtual void WriteResetRecord() = 0;
};
