// What a command of orvalis-cli tells of itself: how it is called, in one
// line, and what it does with its options; and how the program prints it.
#pragma once

#include <QString>

struct CliHelp {
    // Its words after "orvalis-cli" ("log show").
    QString command;
    // Its arguments, as in "FICHIER... --as TYPE [--as TYPE...]".
    QString arguments;
    // What it does, in one line of the program's usage.
    QString summary;
    // What it does and its options, as its own --help ends.
    QString details;
};

namespace CliUsage {

// "orvalis-cli COMMAND ARGUMENTS".
QString synopsis(const CliHelp& help);
// What "orvalis-cli COMMAND --help" prints: the usage line, then the details.
QString text(const CliHelp& help);
// Tells on stderr what was wrong and how the command is called; returns 2,
// the status of bad arguments.
int badArguments(const CliHelp& help, const QString& message);

} // namespace CliUsage
