// Re-pricing logs from the command line.
#include "cli/RepriceCommand.h"

#include "cli/JsonText.h"
#include "reprice/Reprice.h"

#include "BasOrvalis/CommunicationLists.h"
#include "BasOrvalis/LoadSettings.h"
#include "platform/SettingsStore.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <string>
#include <vector>

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

bool parse(const QStringList& arguments, RepriceRequest& request, QString& error) {
    const std::optional<CliUsage::Arguments> split =
        CliUsage::split(arguments, {QStringLiteral("--as"), QStringLiteral("--config")}, &error);
    if (!split)
        return false;
    request.files = split->files;
    for (const auto& [option, value] : split->options) {
        if (option == QLatin1String("--config")) {
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

// The texts that every call repeats, quoted once, as UTF-8.
struct CallTexts {
    std::vector<std::string> bands;
    std::vector<std::string> types;
    // Where each type keeps its cost in a call.
    std::vector<std::size_t> places;
};

std::string Utf8(const QString& text) {
    return text.toStdString();
}

CallTexts QuotedTexts(const QVector<CommunicationType>& types) {
    CallTexts texts;
    for (const QString& band : Numbers::DistanceEntries())
        texts.bands.push_back(Utf8(JsonText::quoted(band)));
    for (const CommunicationType type : types) {
        texts.types.push_back(Utf8(JsonText::quoted(TypeText(type))));
        texts.places.push_back(std::size_t(Alternatives().indexOf(type)));
    }
    return texts;
}

// A field of the record as a JSON text: its bytes as they are when they
// are plain ASCII that needs no escape, as most dates and times are.
void AppendField(std::string* out, QByteArrayView record, int field) {
    const QByteArrayView stored = CallRecord::storedField(record, field).trimmed();
    const bool plain = std::all_of(stored.begin(), stored.end(), [](char ch) {
        return ch >= ' ' && ch <= '~' && ch != '"' && ch != '\\';
    });
    if (plain)
        out->append(1, '"').append(stored.data(), std::size_t(stored.size())).append(1, '"');
    else
        out->append(Utf8(JsonText::quoted(CallRecord::storedText(record, field))));
}

// One call as a JSON object; a year of calls makes a long text, written
// as bytes without a text between.
void AppendCall(std::string* out, const Repricing::RepricedCall& call, QByteArrayView record,
                const CallTexts& texts) {
    out->append("{\"index\": ").append(std::to_string(call.index));
    out->append(", \"date\": ");
    AppendField(out, record, 0);
    out->append(", \"debut\": ");
    AppendField(out, record, 2);
    out->append(", \"duree\": ");
    AppendField(out, record, 4);
    out->append(", \"band\": ").append(texts.bands.at(std::size_t(call.band - 1)));
    out->append(", \"logged\": ");
    JsonText::appendExactNumber(out, call.logged);
    out->append(", \"repriced\": {");
    for (std::size_t i = 0; i < texts.types.size(); ++i) {
        out->append(i == 0 ? "" : ", ").append(texts.types[i]).append(": ");
        const std::optional<float>& cost = call.costs[texts.places[i]];
        if (cost)
            JsonText::appendExactNumber(out, *cost);
        else
            out->append("null");
    }
    out->append("}}");
}

void WriteLog(QFile& out, const Repricing::RepricedLog& log, const Repricing::LogInput& input,
              const CallTexts& texts) {
    constexpr std::size_t Chunk = 1 << 16;
    std::string json;
    json.reserve(2 * Chunk);
    json.append("{\"file\": " + Utf8(JsonText::quoted(log.fileName)) + ", \"calls\": [");
    for (int i = 0; i < log.calls.size(); ++i) {
        const Repricing::RepricedCall& call = log.calls.at(i);
        if (i > 0)
            json.append(",\n ");
        AppendCall(&json, call, input.recordData(call.index - 1), texts);
        if (json.size() > Chunk) {
            out.write(json.data(), qint64(json.size()));
            json.clear();
        }
    }
    QStringList skipped;
    for (const Repricing::SkippedRecord& record : log.skipped)
        skipped << JsonText::Object()
                       .add(QStringLiteral("index"), QString::number(record.index))
                       .addText(QStringLiteral("reason"), record.reason)
                       .toString();
    json.append("], \"skipped\": " + Utf8(JsonText::array(skipped)) + '}');
    out.write(json.data(), qint64(json.size()));
}

QString TotalsJson(const Repricing::Totals& totals) {
    JsonText::Object repriced;
    JsonText::Object byType;
    for (const Repricing::AlternativeTotal& total : totals.alternatives) {
        repriced.add(TypeText(total.type), JsonText::exactNumber(total.cost));
        // Each type against what the calls it prices were logged at.
        byType.add(TypeText(total.type),
                   JsonText::Object()
                       .add(QStringLiteral("calls"), QString::number(total.calls))
                       .add(QStringLiteral("logged"), JsonText::exactNumber(total.logged))
                       .add(QStringLiteral("repriced"), JsonText::exactNumber(total.cost))
                       .toString());
    }
    return JsonText::Object()
        .add(QStringLiteral("calls"), QString::number(totals.calls))
        .add(QStringLiteral("skipped"), QString::number(totals.skipped))
        .add(QStringLiteral("logged"), JsonText::exactNumber(totals.logged))
        .add(QStringLiteral("repriced"), repriced.toString())
        .add(QStringLiteral("by_type"), byType.toString())
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
        return CliUsage::badArguments(help(), error);
    const QString config =
        request.config.isEmpty() ? SettingsStore::userStorePath() : request.config;
    // The user's store may not exist yet: its defaults price the calls.
    if (!request.config.isEmpty() && !Readable(config))
        return CliUsage::failure(
            help(), QStringLiteral("fichier de configuration illisible : %1").arg(config));
    const Settings settings = LoadSettings(SettingsStore(config));

    QVector<Repricing::LogInput> logs;
    for (const QString& path : request.files) {
        Repricing::LogInput log;
        if (!log.read(path, &error))
            return CliUsage::failure(
                help(), QStringLiteral("fichier journal illisible : %1 : %2").arg(path, error));
        logs << log;
    }
    const Repricing::Repriced repriced = Repricing::Reprice(logs, request.types, settings);

    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    const CallTexts texts = QuotedTexts(repriced.alternatives);
    out.write("{\"files\": [");
    for (int i = 0; i < logs.size(); ++i) {
        out.write(i == 0 ? "" : ",\n ");
        WriteLog(out, repriced.logs.at(i), logs.at(i), texts);
    }
    out.write("], \"totals\": " + TotalsJson(repriced.totals).toUtf8() + "}\n");
    return 0;
}

} // namespace RepriceCommand
