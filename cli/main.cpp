// orvalis-cli: the command-line companion of the suite.
#include "cli/LogShowCommand.h"
#include "cli/PriceCommand.h"
#include "cli/RepriceCommand.h"
#include "cli/StatsCommand.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int usage() {
    QTextStream(stderr) << "usage : orvalis-cli log show FICHIER [--format json|csv|text]\n"
                           "        orvalis-cli price --type TEXTE --number TEXTE --start DATE"
                           " --end DATE [--rate TEXTE] [--config FICHIER] [--yes]\n"
                           "        orvalis-cli reprice FICHIER... --as TYPE [--as TYPE...]"
                           " [--config FICHIER]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() >= 2 && arguments.at(0) == QLatin1String("log") &&
        arguments.at(1) == QLatin1String("show"))
        return LogShowCommand::run(arguments.mid(2));
    if (!arguments.isEmpty() && arguments.at(0) == QLatin1String("price"))
        return PriceCommand::run(arguments.mid(1));
    if (!arguments.isEmpty() && arguments.at(0) == QLatin1String("reprice"))
        return RepriceCommand::run(arguments.mid(1));
    if (!arguments.isEmpty() && arguments.at(0) == QLatin1String("stats"))
        return StatsCommand::run(arguments.mid(1));
    return usage();
}
