// Runs the built orvalis-cli and collects what it printed.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <vector>

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

CliResult runCli(const QStringList& arguments,
                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// A command line that the program refuses: the status it ends with and a
// word that its message names.
struct RefusedLine {
    QStringList arguments;
    int status;
    QString named;
};
// Runs `command` with the arguments of each line: nothing on stdout, the
// status and the word on stderr as the line says.
void expectRefused(const QString& command, const std::vector<RefusedLine>& lines);
