// Nesting count of the busy stretches of the main window.
#include "forms/BusyGate.h"

namespace Orvalis {

BusyGate::BusyGate(QObject* parent)
    : QObject(parent) {}

BusyGate::Scope::Scope(BusyGate& gate)
    : m_gate(gate) {
    ++m_gate.m_depth;
}

BusyGate::Scope::~Scope() {
    if (--m_gate.m_depth == 0)
        QMetaObject::invokeMethod(&m_gate, &BusyGate::released, Qt::QueuedConnection);
}

} // namespace Orvalis
