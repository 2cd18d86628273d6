// A standard call run by an engine that nothing interrupts: the record it
// writes and the total after it, to compare the programs' records with.
#pragma once

#include "support/CapturedLog.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryStore.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/Settings.h"
#include "engine/CallEngine.h"
#include "engine/ManualClock.h"

struct ReferenceCall {
    CallRecord record;
    float total = 0.f;
};

// A standard call to `number` started at `debut` on a total of `total`,
// last priced `duree` seconds later and stopped at `fin`.
inline ReferenceCall RunReferenceCall(const QString& number, const QDateTime& debut, int duree,
                                      const QDateTime& fin, float total = 0.f) {
    using namespace BasOrvalis;
    Settings settings;
    settings.CoutTotal = total;
    const StartDate startDate = StartDateOf(debut.date());
    const Holidays joursFeries = ComputeHolidays(debut.date().year());
    TemporaryStore store;
    ManualClock clock(debut);
    ScriptedMessages messages{MessageAnswer::No};
    CapturedLog log;
    CallEngine engine(settings, startDate, joursFeries, store.store(), clock, messages, log,
                      nullptr);
    engine.CboCommunication_Click(CommunicationType::Standard);
    engine.CboNumero_Click(static_cast<int>(engine.selection().numbers().indexOf(number)));
    engine.CalculPlagesHoraires();
    engine.StartStop(true);
    clock.setNow(debut.addSecs(duree));
    engine.Timer1_Timer();
    clock.setNow(fin);
    engine.StartStop(false);
    return {log.records.value(0), settings.CoutTotal};
}
