// Marks the stretches during which the main window must not run an outside
// command: a tick in progress, a message box waiting for its answer. Commands
// that arrive then wait until the gate is free again.
#pragma once

#include <QObject>

namespace Orvalis {

class BusyGate final : public QObject {
    Q_OBJECT

public:
    explicit BusyGate(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(BusyGate)

    // One busy stretch, for the life of the object; stretches may nest.
    class Scope final {
    public:
        explicit Scope(BusyGate& gate);
        ~Scope();
        Q_DISABLE_COPY_MOVE(Scope)

    private:
        BusyGate& m_gate;
    };

    bool busy() const { return m_depth > 0; }

signals:
    // The last busy stretch has ended. Sent through the event loop, so that
    // whoever waits runs after the code that ended the stretch.
    void released();

private:
    int m_depth = 0;
};

} // namespace Orvalis
