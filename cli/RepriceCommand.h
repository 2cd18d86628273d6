// "orvalis-cli reprice FILE... --as TYPE [--as TYPE...] [--config INI]":
// prints as JSON what the calls of the logs would have cost under each type
// asked, priced by the calculator's engine. Reads the logs and the settings,
// never writes them.
#pragma once

#include "cli/CliHelp.h"

#include <QStringList>

namespace RepriceCommand {

CliHelp help();
// Arguments after "reprice"; returns the exit status: 2 for bad arguments,
// 1 for a file that cannot be read.
int run(const QStringList& arguments);

} // namespace RepriceCommand
