// Runs the built orvalis-cli beside the other programs.
#include "cli/CliRunner.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

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

void expectRefused(const QString& command, const std::vector<RefusedLine>& lines) {
    for (const RefusedLine& line : lines) {
        const CliResult result = runCli(QStringList{command} + line.arguments);
        EXPECT_EQ(result.exitCode, line.status) << line.arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains(line.named)) << result.err.toStdString();
    }
}
