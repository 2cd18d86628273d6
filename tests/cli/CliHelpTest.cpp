// orvalis-cli as a command line: its help and version on stdout with status
// 0, each command's own help, bad arguments ending with status 2 and the
// usage on stderr; the manual page and the bash completion know the same
// commands.
#include "cli/CliRunner.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QStringList Commands{QStringLiteral("log show"), QStringLiteral("price"),
                           QStringLiteral("reprice"), QStringLiteral("stats")};

QString usageLine(const QString& command) {
    const CliResult result = runCli(command.split(QLatin1Char(' ')) << QStringLiteral("--help"));
    return result.out.section(QLatin1Char('\n'), 0, 0);
}

QString sourceFile(const char* relative) {
    return QStringLiteral(ORVALIS_SOURCE_DIR "/") + QLatin1String(relative);
}

TEST(CliHelp, HelpAndVersionGoToStdoutWithStatus0) {
    const QStringList program = runCli({QStringLiteral("--help")}).out.split(QLatin1Char('\n'));
    for (const QString& command : Commands) {
        const QStringList arguments = command.split(QLatin1Char(' ')) << QStringLiteral("--help");
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, 0) << command.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        EXPECT_TRUE(result.out.startsWith(QStringLiteral("usage : orvalis-cli %1 ").arg(command)))
            << result.out.toStdString();
        // The program's usage lists the command as the command tells itself.
        const QString synopsis = usageLine(command).mid(int(qstrlen("usage : ")));
        EXPECT_TRUE(program.contains(QStringLiteral("  ") + synopsis)) << synopsis.toStdString();
    }
    // Anywhere after the command, --help asks for its usage.
    const CliResult late = runCli({QStringLiteral("reprice"), QStringLiteral("absent.ccm"),
                                   QStringLiteral("--as"), QStringLiteral("--help")});
    EXPECT_EQ(late.exitCode, 0);
    EXPECT_EQ(late.out.section(QLatin1Char('\n'), 0, 0), usageLine(QStringLiteral("reprice")));

    const CliResult version = runCli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^orvalis-cli \\d+\\.\\d+\n$"))
                    .match(version.out)
                    .hasMatch())
        << version.out.toStdString();
}

TEST(CliHelp, BadArgumentsEndWithStatus2AndTheUsageOnStderr) {
    const QList<QStringList> cases{
        {},
        {QStringLiteral("--verbose")},
        {QStringLiteral("journal")},
        {QStringLiteral("log")},
        {QStringLiteral("log"), QStringLiteral("show"), QStringLiteral("mai.2026.ccm"),
         QStringLiteral("--verbose")},
        {QStringLiteral("log"), QStringLiteral("show"), QStringLiteral("mai.2026.ccm"),
         QStringLiteral("--format"), QStringLiteral("xml")},
        {QStringLiteral("price"), QStringLiteral("--verbose")},
        {QStringLiteral("reprice"), QStringLiteral("mai.2026.ccm"), QStringLiteral("--tout")},
    };
    for (const QStringList& arguments : cases) {
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("usage : orvalis-cli ")))
            << result.err.toStdString();
    }
}

TEST(CliHelp, ManualPageShowsEachCommandsUsage) {
    QProcess man;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("1000"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    man.setProcessEnvironment(environment);
    man.start(QStringLiteral("man"),
              {QStringLiteral("-l"), sourceFile("resources/man/orvalis-cli.1")});
    ASSERT_TRUE(man.waitForFinished(30000)) << "man is missing (scripts/lib/deps.sh installs it)";
    ASSERT_EQ(man.exitCode(), 0) << man.readAllStandardError().toStdString();
    const QString page = QString::fromUtf8(man.readAllStandardOutput());
    for (const QString& command : Commands) {
        const QString synopsis = usageLine(command).mid(int(qstrlen("usage : ")));
        EXPECT_TRUE(page.contains(synopsis)) << synopsis.toStdString();
    }
}

TEST(CliHelp, BashCompletesCommandsOptionsAndTypes) {
    const struct {
        QString words;
        QString offered;
    } rows[] = {
        {QStringLiteral("orvalis-cli re"), QStringLiteral("reprice")},
        {QStringLiteral("orvalis-cli log show j.ccm --f"), QStringLiteral("--format")},
        {QStringLiteral("orvalis-cli reprice j.ccm --as Nu"), QStringLiteral("Numéris\\ Itoo")},
    };
    for (const auto& row : rows) {
        QProcess bash;
        bash.start(
            QStringLiteral("bash"),
            {QStringLiteral("-c"),
             QStringLiteral("source \"$1\"; COMP_WORDS=($2); COMP_CWORD=$((${#COMP_WORDS[@]} "
                            "- 1)); _orvalis_cli; printf '%s\\n' \"${COMPREPLY[@]}\""),
             QStringLiteral("bash"), sourceFile("resources/completion/orvalis-cli"), row.words});
        ASSERT_TRUE(bash.waitForFinished(10000));
        EXPECT_EQ(QString::fromUtf8(bash.readAllStandardOutput()), row.offered + QLatin1Char('\n'))
            << row.words.toStdString() << bash.readAllStandardError().toStdString();
    }
}

} // namespace
