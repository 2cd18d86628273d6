// A main window on a settable clock, with scripted answers to its messages,
// its records kept in a list, its store in a temporary folder and a desktop
// that records what is asked of it.
#pragma once

#include "support/CapturedLog.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryStore.h"

#include "desktop/Desktop.h"
#include "engine/ManualClock.h"
#include "forms/FrmPrincipale.h"

#include <QVector>

#include <gtest/gtest.h>

#include <memory>

class RecordingDesktop final : public Desktop {
public:
    struct Shown {
        WindowSearch::WindowId window;
        WindowSearch::ShowCommand command;
    };
    struct Started {
        QString program;
        QStringList arguments;
    };

    QList<WindowSearch::WindowId> FindWindowsByCaption(const QString& pattern) override;
    void ShowWindow(WindowSearch::WindowId window, WindowSearch::ShowCommand command) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;

    // The windows that every search finds.
    QList<WindowSearch::WindowId> windows;
    QStringList patterns;
    QVector<Shown> shown;
    QVector<Started> started;
};

class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture();

    // Builds and loads the window, the clock at `now`, the default type and
    // number those of a local standard call.
    Orvalis::FrmPrincipale& window(const QDateTime& now);
    // Moves the clock on and runs one tick.
    void tickAfter(int seconds);

    BasOrvalis::Settings settings;
    ManualClock clock;
    // Questions are answered No.
    ScriptedMessages messages{BasOrvalis::MessageAnswer::No};
    CapturedLog log;
    RecordingDesktop desktop;
    TemporaryStore files;
    SettingsStore& store = files.store();

private:
    BasOrvalis::StartDate m_startDate;
    BasOrvalis::Holidays m_joursFeries{};
    std::unique_ptr<Orvalis::FrmPrincipale> m_window;
};

// A weekday at 10:00, full rate.
QDateTime WeekdayMorning();
