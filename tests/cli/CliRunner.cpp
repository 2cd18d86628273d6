// Runs the built orvalis-cli beside the other programs.
#include "cli/CliRunner.h"

#include <QDir>
#include <QProcess>

CliResult runCli(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    const QString binDir = qEnvironmentVariable("ORVALIS_BIN_DIR");
    process.start(QDir(binDir).filePath(QStringLiteral("orvalis-cli")), arguments);
    process.waitForFinished(60000);
    CliResult result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
