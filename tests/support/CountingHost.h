// The main window as the configuration dialogs see it: counts what it is
// asked and tells a fixed time; a reset record goes straight to the month's
// log.
#pragma once

#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/LogWriter.h"
#include "config/ConfigHost.h"

class CountingHost final : public ConfigHost {
public:
    bool EnCours() const override { return enCours; }
    void FillCommunicationTypes() override { ++fills; }
    void AfficherTotal() override { ++totals; }
    QDateTime now() const override { return instant; }
    void WriteResetRecord() override {
        BasOrvalis::AppendToMonthlyLog(BasOrvalis::BuildResetRecord(instant.date()), instant);
    }

    bool enCours = false;
    int fills = 0;
    int totals = 0;
    QDateTime instant{QDate(2026, 12, 8), QTime(10, 0, 0)};
};
