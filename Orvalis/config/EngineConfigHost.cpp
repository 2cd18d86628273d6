// The calculator's engine as the configuration dialogs reach it.
#include "config/EngineConfigHost.h"

#include "engine/CallEngine.h"
#include "engine/Clock.h"

EngineConfigHost::EngineConfigHost(CallEngine& engine, const Clock& clock)
    : m_engine(engine)
    , m_clock(clock) {}

bool EngineConfigHost::EnCours() const {
    return m_engine.EnCours();
}

void EngineConfigHost::FillCommunicationTypes() {
    m_engine.FillCommunicationTypes();
}

void EngineConfigHost::AfficherTotal() {
    m_engine.AfficherTotal();
}

QDateTime EngineConfigHost::now() const {
    return m_clock.now();
}

void EngineConfigHost::WriteResetRecord() {
    m_engine.WriteResetRecord();
}
