// "orvalis-cli log show FILE [--format json|csv|text]": prints the records of
// a call log as the log viewer reads them. Never writes anything.
#pragma once

#include <QStringList>

namespace LogShowCommand {

// Arguments after "log show"; returns the exit status.
int run(const QStringList& arguments);

} // namespace LogShowCommand
