// "orvalis-cli log show FILE [--format json|csv|text]": prints the records of
// a call log as the log viewer reads them. Never writes anything.
#pragma once

#include "cli/CliHelp.h"

#include <QStringList>

namespace LogShowCommand {

CliHelp help();
// Arguments after "log show"; returns the exit status: 2 for bad arguments,
// 1 for a file that cannot be read.
int run(const QStringList& arguments);

} // namespace LogShowCommand
