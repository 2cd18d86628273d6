// One run of the real calculator in a private home: its own store, log
// folder and runtime folder, on the session's X display (or another
// platform) and bus.
#pragma once

#include "e2e/FakeTimeShare.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class CalculatorRun final {
public:
    CalculatorRun();
    ~CalculatorRun();

    // True when the session has an X display and a bus to run on.
    static bool sessionAvailable();
    // True when the session has a bus.
    static bool busAvailable();
    // Asks a program to end, then kills it if it does not.
    static void stop(QProcess& process);
    // The library that shifts the clock of a program, when installed.
    static QString fakeTimeLibrary();

    // The copies started from now on see the clock start at `instant`
    // ("2026-12-31 23:59:57") and run at its normal pace, or faster when the
    // instant is followed by a speed ("2026-03-10 10:00:00 x10"); their
    // timers keep the true monotonic clock. Each program started so gets
    // the clock's shared memory from the run, which removes it when it
    // ends, so that a program killed leaves nothing in /dev/shm.
    void fakeTime(const QString& instant);

    // What the programs started from now on find in their environment, for
    // another platform ("QT_QPA_PLATFORM") or another program's needs.
    void setEnvironment(const QString& name, const QString& value);
    void removeEnvironment(const QString& name);
    // The environment to start one program with (under a shifted clock,
    // with a clock share of its own).
    QProcessEnvironment environment() const;

    // The built program of that name ("Orvalis", "Journal", "Tavelnor").
    static QString builtProgram(const QString& name);

    QString storePath() const;
    QString logFolder() const;
    // $XDG_DATA_HOME of the programs.
    QString dataFolder() const;
    QString runtimeFolder() const;
    // The single-instance lock of the program of that name.
    QString lockPath(const QString& name) const;
    // Waits until the copy `pid` of the program holds its lock.
    bool waitForLock(const QString& name, qint64 pid, int timeoutMs) const;

    // Starts a copy of a program, the calculator unless told (this run's
    // first, or another one).
    void start(QProcess& process, const QString& program = builtProgram(QStringLiteral("Orvalis")),
               const QStringList& arguments = {}) const;
    // Starts the first copy of the calculator and waits until it answers on
    // the bus.
    bool startAndWaitForBus(int timeoutMs,
                            const QString& program = builtProgram(QStringLiteral("Orvalis")));
    // Kills the first copy as a crash would (SIGKILL) and waits until its
    // name has left the bus.
    bool killAndWaitForBus(int timeoutMs);
    QProcess& process() { return m_process; }

private:
    QTemporaryDir m_home;
    QProcessEnvironment m_environment;
    // One per program started under a shifted clock, kept until the run ends.
    mutable std::vector<std::unique_ptr<FakeTimeShare>> m_fakeTimeShares;
    QProcess m_process;
};
