// Stand-ins for what the modem monitor reaches outside itself: the
// calculator on the bus, the desktop's windows and program start, the
// message box.
#pragma once

#include "common/LikePattern.h"
#include "monitor/CalculatorClient.h"
#include "monitor/MonitorDesktop.h"
#include "monitor/MonitorMessages.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// A calculator that runs or not, answers a set state (or fails to answer),
// and keeps the commands it is sent.
class FakeCalculatorClient final : public CalculatorClient {
public:
    bool isRunning() override { return running; }
    qint64 processId() override { return running ? process : 0; }
    std::optional<RemoteControl::Status> requestStatus() override {
        return running ? status : std::nullopt;
    }
    void sendCommand(RemoteControl::Command command) override { commands.append(command); }
    void whenRunning(int, QObject*, std::function<void(bool)> done) override {
        waiting = std::move(done);
    }

    bool isActivatable() override { return activatable; }
    bool activate() override {
        ++activations;
        return true;
    }

    // The calculator that was waited for comes up (or the wait ends).
    void endWait(bool comesUp) {
        running = comesUp;
        const auto done = std::exchange(waiting, nullptr);
        if (done)
            done(comesUp);
    }

    bool running = false;
    qint64 process = 4242;
    std::optional<RemoteControl::Status> status = RemoteControl::Status::Idle;
    QList<RemoteControl::Command> commands;
    std::function<void(bool)> waiting;
    // Whether the bus could start it, and how often it was asked to.
    bool activatable = false;
    int activations = 0;
};

// Top-level windows with their captions and owners; what is shown and
// started is kept.
class FakeMonitorDesktop final : public MonitorDesktop {
public:
    struct Window {
        WindowSearch::WindowId id;
        QString caption;
        qint64 process;
    };

    QList<WindowSearch::WindowId> FindWindowsByCaption(const QString& pattern) override {
        const LikePattern like(pattern, Qt::CaseSensitive);
        QList<WindowSearch::WindowId> found;
        for (const Window& window : windows) {
            if (like.matches(window.caption))
                found.append(window.id);
        }
        return found;
    }
    qint64 windowProcess(WindowSearch::WindowId id) override {
        for (const Window& window : windows) {
            if (window.id == id)
                return window.process;
        }
        return 0;
    }
    void ShowWindow(WindowSearch::WindowId id, WindowSearch::ShowCommand command) override {
        shown.append({id, command});
    }
    bool startProgram(const QString& program) override {
        started.append(program);
        return starts;
    }

    QList<Window> windows;
    QList<QPair<WindowSearch::WindowId, WindowSearch::ShowCommand>> shown;
    QStringList started;
    // False: no program can be started.
    bool starts = true;
};

// The messages asked for, as "title: text".
class RecordedMessages final : public MonitorMessages {
public:
    void information(const QString& title, const QString& text) override {
        shown.append(title + QStringLiteral(": ") + text);
    }

    QStringList shown;
};
