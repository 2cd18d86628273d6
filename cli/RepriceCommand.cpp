// Re-pricing logs from the command line.
#include "cli/RepriceCommand.h"

#include "cli/JsonText.h"
#include "reprice/Reprice.h"

#include "BasOrvalis/CommunicationLists.h"
#include "BasOrvalis/LoadSettings.h"
#include "common/LogFile.h"
#include "platform/SettingsStore.h"

#include <QFileInfo>
#include <QTextStream>

namespace RepriceCommand {

using namespace BasOrvalis;
using Repricing::Alternatives;

namespace {

struct RepriceRequest {
    QStringList files;
    QVector<CommunicationType> types;
    QString config;
};

QString AlternativeTexts() {
    QStringList texts;
    for (const CommunicationType type : Alternatives())
        texts << QStringLiteral("« %1 »").arg(TypeText(type));
    return texts.join(QStringLiteral(", "));
}

int fail(int status, const QString& message) {
    if (status == 2)
        return CliUsage::badArguments(help(), message);
    QTextStream(stderr) << "orvalis-cli reprice : " << message << '\n';
    return status;
}

bool parse(const QStringList& arguments, RepriceRequest& request, QString& error) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool valued =
            argument == QLatin1String("--as") || argument == QLatin1String("--config");
        if (!valued && argument.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("argument inconnu « %1 »").arg(argument);
            return false;
        }
        if (!valued) {
            request.files << argument;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = QStringLiteral("valeur manquante après %1").arg(argument);
            return false;
        }
        const QString value = arguments.at(++i);
        if (argument == QLatin1String("--config")) {
            request.config = value;
            continue;
        }
        const std::optional<CommunicationType> type = TypeOfText(value);
        if (!type || !Alternatives().contains(*type)) {
            error = QStringLiteral("type de communication inconnu : « %1 » (%2)")
                        .arg(value, AlternativeTexts());
            return false;
        }
        request.types << *type;
    }
    if (request.files.isEmpty()) {
        error = QStringLiteral("aucun fichier journal");
        return false;
    }
    if (request.types.isEmpty()) {
        error = QStringLiteral("--as est obligatoire");
        return false;
    }
    return true;
}

bool Readable(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

QString CallJson(const Repricing::RepricedCall& call, const CallRecord& record,
                 const QVector<CommunicationType>& types) {
    JsonText::Object repriced;
    for (const CommunicationType type : types) {
        const std::optional<float> cost = call.cost(type);
        repriced.add(TypeText(type), cost ? JsonText::exactNumber(*cost) : QStringLiteral("null"));
    }
    return JsonText::Object()
        .add(QStringLiteral("index"), QString::number(call.index))
        .addText(QStringLiteral("date"), record.Date.trimmed())
        .addText(QStringLiteral("debut"), record.HeureDebut.trimmed())
        .addText(QStringLiteral("duree"), record.Duree.trimmed())
        .addText(QStringLiteral("band"), Numbers::DistanceEntries().at(call.band - 1))
        .add(QStringLiteral("logged"), JsonText::exactNumber(call.logged))
        .add(QStringLiteral("repriced"), repriced.toString())
        .toString();
}

// A log's object, its calls written one by one: a year of calls makes a
// long text.
void WriteLog(QTextStream& out, const Repricing::RepricedLog& log,
              const QVector<CallRecord>& records, const QVector<CommunicationType>& types) {
    out << "{\"file\": " << JsonText::quoted(log.fileName) << ", \"calls\": [";
    for (int i = 0; i < log.calls.size(); ++i) {
        const Repricing::RepricedCall& call = log.calls.at(i);
        out << (i == 0 ? "" : ",\n ") << CallJson(call, records.at(call.index - 1), types);
    }
    QStringList skipped;
    for (const Repricing::SkippedRecord& record : log.skipped)
        skipped << JsonText::Object()
                       .add(QStringLiteral("index"), QString::number(record.index))
                       .addText(QStringLiteral("reason"), record.reason)
                       .toString();
    out << "], \"skipped\": " << JsonText::array(skipped) << '}';
}

QString TotalsJson(const Repricing::Totals& totals) {
    JsonText::Object repriced;
    for (const Repricing::AlternativeTotal& total : totals.alternatives)
        repriced.add(TypeText(total.type), JsonText::exactNumber(total.cost));
    return JsonText::Object()
        .add(QStringLiteral("calls"), QString::number(totals.calls))
        .add(QStringLiteral("skipped"), QString::number(totals.skipped))
        .add(QStringLiteral("logged"), JsonText::exactNumber(totals.logged))
        .add(QStringLiteral("repriced"), repriced.toString())
        .toString();
}

} // namespace

CliHelp help() {
    return {
        QStringLiteral("reprice"),
        QStringLiteral("FICHIER... --as TYPE [--as TYPE...] [--config FICHIER]"),
        QStringLiteral("calcule ce qu'auraient coûté les appels des journaux sous d'autres types"),
        QStringLiteral(
            "Affiche en JSON ce qu'auraient coûté les appels des journaux sous chaque\n"
            "type demandé, calculés par le moteur de la calculatrice, avec les\n"
            "enregistrements qui n'ont pas pu être lus et pourquoi (null là où un type\n"
            "ne donne pas de prix pour un appel). Ne modifie rien.\n"
            "\n"
            "Options :\n"
            "  --as TYPE          un type sous lequel compter les appels (répétable) :\n"
            "                     %1\n"
            "  --config FICHIER   les paramètres à lire au lieu de ceux de l'utilisateur\n"
            "  --help             affiche cette aide\n")
            .arg(AlternativeTexts())};
}

int run(const QStringList& arguments) {
    RepriceRequest request;
    QString error;
    if (!parse(arguments, request, error))
        return fail(2, error);
    const QString config =
        request.config.isEmpty() ? SettingsStore::userStorePath() : request.config;
    // The user's store may not exist yet: its defaults price the calls.
    if (!request.config.isEmpty() && !Readable(config))
        return fail(1, QStringLiteral("fichier de configuration illisible : %1").arg(config));
    const Settings settings = LoadSettings(SettingsStore(config));

    QVector<Repricing::LogInput> logs;
    for (const QString& path : request.files) {
        Repricing::LogInput log;
        log.fileName = QFileInfo(path).fileName();
        if (!Readable(path) || !LogFile::readAll(path, &log.records, &error))
            return fail(1, QStringLiteral("fichier journal illisible : %1").arg(path));
        logs << log;
    }
    const Repricing::Repriced repriced = Repricing::Reprice(logs, request.types, settings);

    QTextStream out(stdout);
    out << "{\"files\": [";
    for (int i = 0; i < logs.size(); ++i) {
        out << (i == 0 ? "" : ",\n ");
        WriteLog(out, repriced.logs.at(i), logs.at(i).records, repriced.alternatives);
    }
    out << "], \"totals\": " << TotalsJson(repriced.totals) << "}\n";
    return 0;
}

} // namespace RepriceCommand
