// The configuration dialogs' view of the main window: the call in progress,
// the type lists and the total display of the calculator's engine.
#pragma once

#include "config/ConfigHost.h"

class CallEngine;
class Clock;

class EngineConfigHost final : public ConfigHost {
public:
    EngineConfigHost(CallEngine& engine, const Clock& clock);
    Q_DISABLE_COPY_MOVE(EngineConfigHost)

    bool EnCours() const override;
    void FillCommunicationTypes() override;
    void AfficherTotal() override;
    QDateTime now() const override;
    void WriteResetRecord() override;

private:
    CallEngine& m_engine;
    const Clock& m_clock;
};
