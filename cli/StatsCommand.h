// "orvalis-cli stats [FILE...] [--from YYYY-MM-DD] [--to YYYY-MM-DD]": prints
// as JSON where the money went over a period, the same figures as the log
// viewer's statistics window. Reads the logs and the settings, never writes.
#pragma once

#include "cli/CliHelp.h"

#include <QStringList>

namespace StatsCommand {

CliHelp help();
// Arguments after "stats"; returns the exit status: 2 for bad arguments,
// 1 for a log that cannot be read.
int run(const QStringList& arguments);

} // namespace StatsCommand
