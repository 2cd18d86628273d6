// Simulating a call second by second on a settable clock.
#include "cli/PriceCommand.h"

#include "cli/JsonText.h"
#include "engine/CallSimulation.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/LoadSettings.h"
#include "BasOrvalis/MoneyTexts.h"
#include "platform/LocaleFormats.h"
#include "platform/SettingsStore.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

namespace PriceCommand {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

struct PriceRequest {
    QString type;
    QString number;
    QDateTime start;
    QDateTime end;
    QString rate;
    QString config;
    bool yes = false;
};

int fail(const QString& message) {
    return CliUsage::badArguments(help(), message);
}

// Reads "--name value" pairs and the "--yes" switch; false with a message
// on anything else.
bool parse(const QStringList& arguments, PriceRequest& request, QString& error) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments.at(i);
        if (name == QLatin1String("--yes")) {
            request.yes = true;
            continue;
        }
        static const QStringList valued{QStringLiteral("--type"),  QStringLiteral("--number"),
                                        QStringLiteral("--start"), QStringLiteral("--end"),
                                        QStringLiteral("--rate"),  QStringLiteral("--config")};
        if (!valued.contains(name)) {
            error = QStringLiteral("argument inconnu « %1 »").arg(name);
            return false;
        }
        if (i + 1 >= arguments.size()) {
            error = QStringLiteral("valeur manquante après %1").arg(name);
            return false;
        }
        const QString value = arguments.at(++i);
        if (name == QLatin1String("--type"))
            request.type = value;
        else if (name == QLatin1String("--number"))
            request.number = value;
        else if (name == QLatin1String("--start"))
            request.start = QDateTime::fromString(value, TimeFormat);
        else if (name == QLatin1String("--end"))
            request.end = QDateTime::fromString(value, TimeFormat);
        else if (name == QLatin1String("--rate"))
            request.rate = value;
        else
            request.config = value;
    }
    if (request.type.isNull() || request.number.isNull()) {
        error = QStringLiteral("--type et --number sont obligatoires");
        return false;
    }
    if (!request.start.isValid() || !request.end.isValid()) {
        error = QStringLiteral("--start et --end attendent AAAA-MM-JJTHH:MM:SS");
        return false;
    }
    if (request.end < request.start) {
        error = QStringLiteral("la fin de l'appel précède son début");
        return false;
    }
    return true;
}

bool readable(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return false;
    return QSettings(path, QSettings::IniFormat).status() == QSettings::NoError;
}

QString recordJson(const std::optional<CallRecord>& record) {
    if (!record)
        return QStringLiteral("null");
    static const std::array<QString, CallRecord::FieldCount> names{
        QStringLiteral("date"), QStringLiteral("libelle"), QStringLiteral("debut"),
        QStringLiteral("fin"),  QStringLiteral("duree"),   QStringLiteral("cout"),
        QStringLiteral("total")};
    JsonText::Object object;
    for (int i = 0; i < CallRecord::FieldCount; ++i)
        object.addText(names[static_cast<std::size_t>(i)], record->field(i));
    return object.toString();
}

QString callJson(const SimulatedCall& call) {
    QString stoppedBy = QStringLiteral("null");
    if (call.stoppedBy) {
        QStringList lines{QString::number(call.stoppedBy->line)};
        if (call.stoppedBy->second != 0)
            lines << QString::number(call.stoppedBy->second);
        stoppedBy = JsonText::Object()
                        .add(QStringLiteral("title"), QString::number(call.stoppedBy->title))
                        .add(QStringLiteral("lines"),
                             QLatin1Char('[') + lines.join(QStringLiteral(", ")) + QLatin1Char(']'))
                        .toString();
    }
    return JsonText::Object()
        .addText(QStringLiteral("start"), call.start.toString(TimeFormat))
        .addText(QStringLiteral("stop"), call.stop.toString(TimeFormat))
        .add(QStringLiteral("cost"), JsonText::number(call.cost, 6))
        .addText(QStringLiteral("display"), BasOrvalis::CostDisplayText(call.cost))
        .addText(QStringLiteral("duration"), LocaleFormats::clockText(call.duration))
        .add(QStringLiteral("stopped_by"), stoppedBy)
        .add(QStringLiteral("remaining"),
             call.remaining ? JsonText::quoted(LocaleFormats::clockText(*call.remaining))
                            : QStringLiteral("null"))
        .add(QStringLiteral("record"), recordJson(call.record))
        .toString();
}

} // namespace

CliHelp help() {
    return {QStringLiteral("price"),
            QStringLiteral("--type TEXTE --number TEXTE --start AAAA-MM-JJTHH:MM:SS"
                           " --end AAAA-MM-JJTHH:MM:SS [--rate TEXTE] [--config FICHIER] [--yes]"),
            QStringLiteral("calcule le coût d'un appel comme la calculatrice"),
            QStringLiteral(
                "Fait passer un appel, seconde après seconde, par le moteur de la calculatrice\n"
                "et affiche en JSON ce qu'il coûte, avec l'enregistrement qui serait inscrit\n"
                "au journal. Lit les paramètres sans jamais les modifier.\n"
                "\n"
                "Options :\n"
                "  --type TEXTE       le type de communication, tel que la calculatrice le nomme\n"
                "  --number TEXTE     le numéro appelé, tel que la calculatrice le propose\n"
                "  --start, --end     le début et la fin de l'appel (AAAA-MM-JJTHH:MM:SS)\n"
                "  --rate TEXTE       le tarif d'un appel Kiosque Micro\n"
                "  --config FICHIER   les paramètres à lire au lieu de ceux de l'utilisateur\n"
                "  --yes              répond Oui à chaque question de la calculatrice (Non sinon)\n"
                "  --help             affiche cette aide\n")};
}

int run(const QStringList& arguments) {
    PriceRequest request;
    QString error;
    if (!parse(arguments, request, error))
        return fail(error);
    if (!request.config.isEmpty() && !readable(request.config))
        return fail(QStringLiteral("fichier de configuration illisible : %1").arg(request.config));

    // The engine writes the total and the package times as the window does;
    // it writes them into a copy, so the store read is never changed.
    QTemporaryDir scratch;
    const QString source =
        request.config.isEmpty() ? SettingsStore::userStorePath() : request.config;
    const QString copy = scratch.filePath(QStringLiteral("Orvalis.ini"));
    if (QFileInfo::exists(source) && !QFile::copy(source, copy))
        return fail(QStringLiteral("fichier de configuration illisible : %1").arg(source));
    SettingsStore store(copy);

    const std::optional<BasOrvalis::CommunicationType> type = BasOrvalis::TypeOfText(request.type);
    if (!type)
        return fail(QStringLiteral("type de communication inconnu : « %1 »").arg(request.type));
    CallSimulation simulation(BasOrvalis::LoadSettings(store), store, request.start, request.yes);
    if (!simulation.select(*type, request.number, request.rate, error))
        return fail(error);
    simulation.run(request.end);

    QStringList calls;
    for (const SimulatedCall& call : simulation.calls())
        calls << callJson(call);
    QTextStream(stdout) << JsonText::Object()
                               .add(QStringLiteral("calls"), JsonText::array(calls))
                               .add(QStringLiteral("total"),
                                    JsonText::number(simulation.total(), 6))
                               .toString()
                        << '\n';
    return 0;
}

} // namespace PriceCommand
