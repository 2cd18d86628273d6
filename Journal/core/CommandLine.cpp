// Reading the command line.
#include "core/CommandLine.h"

namespace BasJournal {

StartCommand ParseCommandLine(const QStringList& arguments) {
    const QString command = arguments.join(QLatin1Char(' ')).trimmed().toUpper();
    if (command.isEmpty())
        return StartCommand::CurrentMonth;
    if (command == QLatin1String("/G"))
        return StartCommand::FileManager;
    return StartCommand::Unknown;
}

} // namespace BasJournal
