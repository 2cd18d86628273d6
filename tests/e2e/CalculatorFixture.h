// A calculator of its own for an end-to-end test, with a local standard call
// as its default type and number, started (under a shifted clock when
// asked) and driven over the bus as the monitor drives it.
#pragma once

#include "e2e/CalculatorRun.h"

#include <QDBusInterface>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

// TxtDDE as the calculator answers it; "<no answer>" when it does not.
QString request(QDBusInterface& control);
// Runs a remote command and waits for its answer: true when accepted.
bool execute(QDBusInterface& control, const QString& command);
// Writes the marked store of a calculator started before, with a local
// standard call as its default.
void writeDefaults(const CalculatorRun& run);
// Waits until `path` is gone; false when it is still there.
bool waitUntilGone(const QString& path, int timeoutMs);

class OrvalisEndToEnd : public ::testing::Test {
protected:
    void SetUp() override;

    // Starts the calculator; `instant` is where its clock starts, if given.
    void startCalculator(const QString& instant = QString());

    QDBusInterface& control() { return *m_bus; }

    CalculatorRun run;

private:
    std::unique_ptr<QDBusInterface> m_bus;
};
