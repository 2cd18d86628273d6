// What a command of orvalis-cli tells of itself: how it is called, in one
// line, and what it does with its options; and how the program prints it.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>
#include <utility>

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
// Tells on stderr, after the command's name, why it could not be done;
// returns 1.
int failure(const CliHelp& help, const QString& message);
// Tells on stderr, after the command's name, what it met on its way.
void warning(const CliHelp& help, const QString& message);

// The words of a command line: its files, and each option with its value,
// in the order given.
struct Arguments {
    QStringList files;
    QVector<std::pair<QString, QString>> options;
};
// Splits `arguments`, each option of `valued` taking the word after it as its
// value. Nothing, with *error, for another option or a value missing.
std::optional<Arguments> split(const QStringList& arguments, const QStringList& valued,
                               QString* error);

} // namespace CliUsage
