// The shared memory and semaphore that libfaketime keeps between a program
// and the programs it starts, made and removed by the test instead of by the
// program: a program killed in a test then leaves nothing in /dev/shm, and
// no later program whose process number is the same refuses to start.
#pragma once

#include <QString>
#include <QtGlobal>

class FakeTimeShare final {
public:
    // A semaphore and a shared memory object of their own names.
    FakeTimeShare();
    // Both removed: programs that hold them open keep them until they end.
    ~FakeTimeShare();
    Q_DISABLE_COPY_MOVE(FakeTimeShare)

    // False when the system refused either.
    bool isValid() const { return m_valid; }
    // The value of FAKETIME_SHARED that hands both to a program: the
    // semaphore's name, a space, the memory's name.
    QString environmentValue() const;

private:
    QByteArray m_semaphore;
    QByteArray m_memory;
    bool m_valid = false;
};
