// "orvalis-cli price": simulates one call as the calculator's main window
// runs it, with the same engine, and prints what it costs as JSON. Reads the
// settings, never writes them.
#pragma once

#include "cli/CliHelp.h"

#include <QStringList>

namespace PriceCommand {

CliHelp help();
// Arguments after "price"; returns the exit status (2 for bad arguments).
int run(const QStringList& arguments);

} // namespace PriceCommand
