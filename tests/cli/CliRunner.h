// Runs the built orvalis-cli and collects what it printed.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

CliResult runCli(const QStringList& arguments,
                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
