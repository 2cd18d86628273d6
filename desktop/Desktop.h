// What a program asks of the desktop to reach another program's windows:
// find top-level windows by caption, show or hide one, start a program.
#pragma once

#include "platform/x11/WindowSearch.h"

#include <QList>
#include <QString>
#include <QStringList>

class Desktop {
public:
    virtual ~Desktop() = default;
    // FindWindowsByCaption: the windows whose caption matches `pattern` under
    // the case-sensitive Like wildcards.
    virtual QList<WindowSearch::WindowId> FindWindowsByCaption(const QString& pattern) = 0;
    virtual void ShowWindow(WindowSearch::WindowId window, WindowSearch::ShowCommand command) = 0;
    // Starts a program on its own; false when it cannot be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};
