// orvalis-cli: the command-line companion of the suite. Each command tells
// its own usage; "--help" after a command prints it, and the program's own
// usage lists them all.
#include "cli/CliHelp.h"
#include "cli/LogShowCommand.h"
#include "cli/PriceCommand.h"
#include "cli/RepriceCommand.h"
#include "cli/StatsCommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <array>

namespace {

struct CliCommand {
    CliHelp (*help)();
    // Given the arguments after the command's words; returns the status.
    int (*run)(const QStringList& arguments);
};

const std::array Commands{
    CliCommand{LogShowCommand::help, LogShowCommand::run},
    CliCommand{PriceCommand::help, PriceCommand::run},
    CliCommand{RepriceCommand::help, RepriceCommand::run},
    CliCommand{StatsCommand::help, StatsCommand::run},
};

const QString HelpOption = QStringLiteral("--help");

QString programUsage() {
    QString text = QStringLiteral("usage : orvalis-cli COMMANDE [ARGUMENTS...]\n"
                                  "        orvalis-cli COMMANDE --help\n"
                                  "        orvalis-cli --help | --version\n"
                                  "\n"
                                  "Commandes :\n");
    for (const CliCommand& command : Commands) {
        const CliHelp help = command.help();
        text += QStringLiteral("  %1\n      %2\n").arg(CliUsage::synopsis(help), help.summary);
    }
    return text + QStringLiteral("\n"
                                 "Options :\n"
                                 "  --help     affiche cette aide\n"
                                 "  --version  affiche la version\n");
}

int print(FILE* stream, const QString& text, int status) {
    QTextStream(stream) << text;
    return status;
}

// The command named by the first arguments, with how many words name it.
std::pair<const CliCommand*, int> commandOf(const QStringList& arguments) {
    for (const CliCommand& command : Commands) {
        const QStringList words = command.help().command.split(QLatin1Char(' '));
        if (arguments.mid(0, int(words.size())) == words)
            return {&command, int(words.size())};
    }
    return {nullptr, 0};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const auto [command, words] = commandOf(arguments);
    if (command) {
        const QStringList rest = arguments.mid(words);
        if (rest.contains(HelpOption))
            return print(stdout, CliUsage::text(command->help()), 0);
        return command->run(rest);
    }
    if (arguments == QStringList{QStringLiteral("--version")})
        return print(stdout, QStringLiteral("orvalis-cli %1\n").arg(ORVALIS_VERSION), 0);
    if (arguments.contains(HelpOption))
        return print(stdout, programUsage(), 0);
    if (!arguments.isEmpty())
        QTextStream(stderr) << "orvalis-cli : argument inconnu « " << arguments.first() << " »\n";
    return print(stderr, programUsage(), 2);
}
