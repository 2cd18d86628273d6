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

} // namespace CliUsage
