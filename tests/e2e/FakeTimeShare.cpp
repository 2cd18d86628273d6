// Named POSIX objects, one pair per program started under a shifted clock.
#include "e2e/FakeTimeShare.h"

#include <QCoreApplication>

#include <atomic>
#include <cstring>

#include <fcntl.h>
#include <semaphore.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// Room for what libfaketime keeps there: its tick count and the instant its
// clock started, read by every program that shares it. All bits set reads
// as "not started yet" (-1 nanoseconds), so the first program to start
// writes its own start, as in memory that libfaketime makes itself.
constexpr std::size_t MemorySize = 4096;

QByteArray uniqueName(const char* kind) {
    static std::atomic<int> made{0};
    return QByteArrayLiteral("/orvalis_faketime_") + kind + '_' +
           QByteArray::number(QCoreApplication::applicationPid()) + '_' +
           QByteArray::number(++made);
}

} // namespace

FakeTimeShare::FakeTimeShare()
    : m_semaphore(uniqueName("sem"))
    , m_memory(uniqueName("shm")) {
    // Left by an earlier test process of the same number that was killed.
    sem_unlink(m_semaphore.constData());
    shm_unlink(m_memory.constData());
    sem_t* semaphore = sem_open(m_semaphore.constData(), O_CREAT | O_EXCL, 0600, 1);
    if (semaphore == SEM_FAILED)
        return;
    sem_close(semaphore);
    const int memory = shm_open(m_memory.constData(), O_CREAT | O_EXCL | O_RDWR, 0600);
    if (memory == -1)
        return;
    if (ftruncate(memory, MemorySize) == 0) {
        void* mapped = mmap(nullptr, MemorySize, PROT_READ | PROT_WRITE, MAP_SHARED, memory, 0);
        if (mapped != MAP_FAILED) {
            std::memset(mapped, 0xff, MemorySize);
            munmap(mapped, MemorySize);
            m_valid = true;
        }
    }
    close(memory);
}

FakeTimeShare::~FakeTimeShare() {
    sem_unlink(m_semaphore.constData());
    shm_unlink(m_memory.constData());
}

QString FakeTimeShare::environmentValue() const {
    return QString::fromLatin1(m_semaphore + ' ' + m_memory);
}
