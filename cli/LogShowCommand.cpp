// Printing a call log as JSON, CSV or text.
#include "cli/LogShowCommand.h"

#include "cli/JsonText.h"
#include "common/CallRecord.h"
#include "common/LogFile.h"

#include <QFileInfo>
#include <QTextStream>

#include <array>

namespace LogShowCommand {

namespace {

const std::array<QString, CallRecord::FieldCount> FieldNames{
    QStringLiteral("date"), QStringLiteral("libelle"), QStringLiteral("debut"),
    QStringLiteral("fin"),  QStringLiteral("duree"),   QStringLiteral("cout"),
    QStringLiteral("total")};

QString withoutTrailingBlanks(QString text) {
    int end = int(text.size());
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    text.truncate(end);
    return text;
}

QString csvField(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    const bool needsQuotes =
        std::any_of(text.begin(), text.end(), [](QChar ch) { return special.contains(ch); });
    if (!needsQuotes)
        return text;
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString asJson(const QVector<CallRecord>& records) {
    QStringList objects;
    for (int i = 0; i < records.size(); ++i) {
        JsonText::Object object;
        object.add(QStringLiteral("n"), QString::number(i + 1));
        for (int f = 0; f < CallRecord::FieldCount; ++f)
            object.addText(FieldNames[std::size_t(f)], records.at(i).field(f));
        objects.append(object.toString());
    }
    return JsonText::array(objects) + QLatin1Char('\n');
}

QString asCsv(const QVector<CallRecord>& records) {
    const QString lineEnd = QStringLiteral("\r\n");
    QStringList header{QStringLiteral("n")};
    header.append(QStringList(FieldNames.begin(), FieldNames.end()));
    QString out = header.join(QLatin1Char(',')) + lineEnd;
    for (int i = 0; i < records.size(); ++i) {
        QStringList row{QString::number(i + 1)};
        for (int f = 0; f < CallRecord::FieldCount; ++f)
            row.append(csvField(withoutTrailingBlanks(records.at(i).field(f))));
        out += row.join(QLatin1Char(',')) + lineEnd;
    }
    return out;
}

QString asText(const QVector<CallRecord>& records) {
    const int numberWidth = int(QString::number(records.size()).size());
    QString out;
    for (int i = 0; i < records.size(); ++i) {
        QStringList row{QString::number(i + 1).rightJustified(numberWidth)};
        for (int f = 0; f < CallRecord::FieldCount; ++f)
            row.append(records.at(i).field(f));
        out += row.join(QStringLiteral("  ")) + QLatin1Char('\n');
    }
    return out;
}

} // namespace

CliHelp help() {
    return {QStringLiteral("log show"), QStringLiteral("FICHIER [--format json|csv|text]"),
            QStringLiteral("affiche les appels d'un journal"),
            QStringLiteral("Affiche les enregistrements d'un journal tels que le Journal les lit,\n"
                           "numérotés à partir de 1. Ne modifie rien.\n"
                           "\n"
                           "Options :\n"
                           "  --format json|csv|text  la forme du texte affiché (text par défaut)\n"
                           "  --help                  affiche cette aide\n")};
}

int run(const QStringList& arguments) {
    QString format = QStringLiteral("text");
    QString path;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--format") && i + 1 < arguments.size())
            format = arguments.at(++i);
        else if (path.isEmpty() && !arguments.at(i).startsWith(QLatin1String("--")))
            path = arguments.at(i);
        else
            return CliUsage::badArguments(
                help(), QStringLiteral("argument inattendu « %1 »").arg(arguments.at(i)));
    }
    if (path.isEmpty())
        return CliUsage::badArguments(help(), QStringLiteral("aucun fichier journal"));
    if (format != QLatin1String("json") && format != QLatin1String("csv") &&
        format != QLatin1String("text"))
        return CliUsage::badArguments(
            help(), QStringLiteral("format inconnu : %1 (json, csv ou text)").arg(format));
    if (!QFileInfo(path).isFile())
        return CliUsage::failure(help(),
                                 QStringLiteral("fichier journal introuvable : %1").arg(path));

    QVector<CallRecord> records;
    QVector<qint64> withoutHeader;
    QString error;
    if (!LogFile::readAll(path, &records, &error, &withoutHeader))
        return CliUsage::failure(help(),
                                 QStringLiteral("lecture impossible de %1 : %2").arg(path, error));
    // Records without the header are printed as the viewer shows them, and
    // told here; a file that holds none with it is no call log.
    for (const qint64 number : withoutHeader)
        CliUsage::warning(
            help(), QStringLiteral("%1 : l'enregistrement %2 ne commence pas par l'en-tête d'un "
                                   "enregistrement de journal")
                        .arg(path)
                        .arg(number));
    if (!records.isEmpty() && withoutHeader.size() == records.size())
        return CliUsage::failure(help(),
                                 QStringLiteral("%1 n'est pas un journal d'appels : aucun de ses "
                                                "enregistrements n'est valide")
                                     .arg(path));

    const QString out = format == QLatin1String("json")  ? asJson(records)
                        : format == QLatin1String("csv") ? asCsv(records)
                                                         : asText(records);
    QTextStream(stdout) << out;
    return 0;
}

} // namespace LogShowCommand
