// The statistics of logs or of a period of the log folder, from the command line.
#include "cli/StatsCommand.h"

#include "cli/StatisticsJson.h"
#include "core/JournalStatistics.h"
#include "core/PeriodLogs.h"

#include "BasOrvalis/LoadSettings.h"
#include "platform/AppFolders.h"
#include "platform/SettingsStore.h"

#include <QTextStream>

namespace StatsCommand {

namespace {

struct StatsRequest {
    QStringList files;
    QDate from;
    QDate to;
};

bool parse(const QStringList& arguments, StatsRequest& request, QString& error) {
    const std::optional<CliUsage::Arguments> split =
        CliUsage::split(arguments, {QStringLiteral("--from"), QStringLiteral("--to")}, &error);
    if (!split)
        return false;
    request.files = split->files;
    for (const auto& [option, value] : split->options) {
        const QDate date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid()) {
            error =
                QStringLiteral("date illisible après %1 : « %2 » (AAAA-MM-JJ)").arg(option, value);
            return false;
        }
        (option == QLatin1String("--from") ? request.from : request.to) = date;
    }
    if (request.from.isValid() && request.to.isValid() && request.to < request.from) {
        error = QStringLiteral("--to précède --from");
        return false;
    }
    return true;
}

// The days asked: the dates given, the sides left open closed as the
// usage tells.
Repricing::DayRange period(const StatsRequest& request) {
    Repricing::DayRange days{request.from, request.to};
    if (request.files.isEmpty()) {
        if (!days.last.isValid())
            days.last = std::max(QDate::currentDate(), days.first);
        if (!days.first.isValid())
            days.first = QDate(days.last.year(), days.last.month(), 1);
        return days;
    }
    const Repricing::DayRange named = BasJournal::PeriodLogs::daysOf(request.files);
    if (!days.first.isValid())
        days.first = named.first;
    if (!days.last.isValid())
        days.last = named.last;
    return days;
}

} // namespace

CliHelp help() {
    return {QStringLiteral("stats"),
            QStringLiteral("[FICHIER...] [--from AAAA-MM-JJ] [--to AAAA-MM-JJ]"),
            QStringLiteral("affiche en JSON où est allé l'argent sur une période"),
            QStringLiteral(
                "Affiche en JSON les chiffres de la fenêtre des statistiques du Journal :\n"
                "appels, durées et coûts par type, par distance, par jour et par heure, les\n"
                "dix appels les plus chers, les remises à zéro et les enregistrements qui\n"
                "n'ont pas pu être lus et pourquoi. Ne modifie rien.\n"
                "\n"
                "Sans FICHIER, lit les journaux du dossier des journaux que la période\n"
                "couvre ; --to vaut alors aujourd'hui et --from le premier jour du mois de\n"
                "--to. Avec FICHIER, sans --from ni --to, la période va du premier jour du\n"
                "premier mois des journaux au dernier jour du dernier.\n"
                "\n"
                "Options :\n"
                "  --from AAAA-MM-JJ  le premier jour compté\n"
                "  --to AAAA-MM-JJ    le dernier jour compté\n"
                "  --help             affiche cette aide\n")};
}

int run(const QStringList& arguments) {
    StatsRequest request;
    QString error;
    if (!parse(arguments, request, error))
        return CliUsage::badArguments(help(), error);
    const Repricing::DayRange days = period(request);
    if (days.first.isValid() && days.last.isValid() && days.last < days.first)
        return CliUsage::badArguments(
            help(), QStringLiteral("la période finit avant de commencer : du %1 au %2")
                        .arg(days.first.toString(Qt::ISODate), days.last.toString(Qt::ISODate)));
    const QStringList paths = request.files.isEmpty()
                                  ? BasJournal::PeriodLogs::covering(AppFolders::logFolder(), days)
                                  : BasJournal::PeriodLogs::inDateOrder(request.files);
    // The user's store may not exist yet: its defaults settle the starts.
    const BasOrvalis::Settings settings =
        BasOrvalis::LoadSettings(SettingsStore(SettingsStore::userStorePath()));
    // One log at a time: a year of them is counted in the room of one.
    BasJournal::StatisticsCounter counter(days, settings);
    for (const QString& path : paths) {
        Repricing::LogInput log;
        if (!log.read(path, &error))
            return CliUsage::failure(
                help(), QStringLiteral("fichier journal illisible : %1 : %2").arg(path, error));
        counter.add(log);
    }
    const BasJournal::JournalStatistics statistics = counter.result();
    QTextStream(stdout) << StatisticsJson::toJson(statistics) << '\n';
    return 0;
}

} // namespace StatsCommand
