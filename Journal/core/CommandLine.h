// The command line of the log viewer: nothing, or "/G" in any case.
#pragma once

#include <QStringList>

namespace BasJournal {

enum class StartCommand {
    CurrentMonth, // no argument: show the current month's log
    FileManager,  // "/G": manage the log files
    Unknown       // anything else is refused
};

// `arguments` are those after the program's name.
StartCommand ParseCommandLine(const QStringList& arguments);

} // namespace BasJournal
