// The usage texts of orvalis-cli's commands.
#include "cli/CliHelp.h"

#include <QTextStream>

namespace CliUsage {

QString synopsis(const CliHelp& help) {
    return QStringLiteral("orvalis-cli %1 %2").arg(help.command, help.arguments);
}

QString text(const CliHelp& help) {
    return QStringLiteral("usage : %1\n\n%2").arg(synopsis(help), help.details);
}

int badArguments(const CliHelp& help, const QString& message) {
    QTextStream(stderr) << "orvalis-cli " << help.command << " : " << message << '\n'
                        << "usage : " << synopsis(help) << '\n'
                        << "« orvalis-cli " << help.command << " --help » en dit plus.\n";
    return 2;
}

void warning(const CliHelp& help, const QString& message) {
    QTextStream(stderr) << "orvalis-cli " << help.command << " : " << message << '\n';
}

int failure(const CliHelp& help, const QString& message) {
    warning(help, message);
    return 1;
}

std::optional<Arguments> split(const QStringList& arguments, const QStringList& valued,
                               QString* error) {
    Arguments split;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--"))) {
            split.files << argument;
        } else if (!valued.contains(argument)) {
            *error = QStringLiteral("argument inconnu « %1 »").arg(argument);
            return std::nullopt;
        } else if (i + 1 >= arguments.size()) {
            *error = QStringLiteral("valeur manquante après %1").arg(argument);
            return std::nullopt;
        } else {
            split.options.append({argument, arguments.at(++i)});
        }
    }
    return split;
}

} // namespace CliUsage
