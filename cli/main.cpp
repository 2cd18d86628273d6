// orvalis-cli: the command-line companion of the suite.
#include "LogShowCommand.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int usage() {
    QTextStream(stderr) << "usage : orvalis-cli log show FICHIER [--format json|csv|text]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() >= 2 && arguments.at(0) == QLatin1String("log") &&
        arguments.at(1) == QLatin1String("show"))
        return LogShowCommand::run(arguments.mid(2));
    return usage();
}
