// How the monitor tells the user something: a beep, then a message box.
#pragma once

#include <QString>

class MonitorMessages {
public:
    virtual ~MonitorMessages() = default;
    // Beeps, then shows `text` under `title` with an information icon and an
    // OK button, above every other window.
    virtual void information(const QString& title, const QString& text) = 0;
};
