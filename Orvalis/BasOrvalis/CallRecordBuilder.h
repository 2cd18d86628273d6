// The log records of the calculator: the record of a call, built from the
// selections, displays and times of the main window, and the reset record.
#pragma once

#include "BasOrvalis/CommunicationTexts.h"
#include "common/CallRecord.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

namespace BasOrvalis {

struct CallSummary {
    CommunicationType type = CommunicationType::FaitesUneSelection;
    QString number;         // the selected number entry
    QString persoNumero;    // Settings::PersoNumero
    QDateTime start;        // when the call started
    QDateTime end;          // when the record is written
    QTime duration;         // the duration shown, which wraps after 24 hours
    float cost = 0.f;       // CoutAppel
    float total = 0.f;      // CoutTotal, the call included
    bool plageNuit = false; // the night range (22:00 to 08:00) is in force
};

// The record of a finished call; none when nothing was chosen, when the
// number is not configured, or for Primaliste Internet outside the night.
std::optional<CallRecord> BuildCallRecord(const CallSummary& call,
                                          const QLocale& locale = QLocale());

// The record that marks a reset of the running total on `today`.
CallRecord BuildResetRecord(const QDate& today, const QLocale& locale = QLocale());

} // namespace BasOrvalis
