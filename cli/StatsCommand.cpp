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

int fail(int status, const QString& message) {
    if (status == 2)
        return CliUsage::badArguments(help(), message);
    QTextStream(stderr) << "orvalis-cli stats : " << message << '\n';
    return status;
}

bool parse(const QStringList& arguments, StatsRequest& request, QString& error) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool dated = argument == QLatin1String("--from") || argument == QLatin1String("--to");
        if (!dated && argument.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("argument inconnu « %1 »").arg(argument);
            return false;
        }
        if (!dated) {
            request.files << argument;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = QStringLiteral("valeur manquante après %1").arg(argument);
            return false;
        }
        const QString value = arguments.at(++i);
        const QDate date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid()) {
            error = QStringLiteral("date illisible après %1 : « %2 » (AAAA-MM-JJ)")
                        .arg(argument, value);
            return false;
        }
        (argument == QLatin1String("--from") ? request.from : request.to) = date;
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
        return fail(2, error);
    const Repricing::DayRange days = period(request);
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
        if (!BasJournal::PeriodLogs::readLog(path, &log, &error))
            return fail(1, QStringLiteral("fichier journal illisible : %1 : %2").arg(path, error));
        counter.add(log);
    }
    const BasJournal::JournalStatistics statistics = counter.result();
    QTextStream(stdout) << StatisticsJson::toJson(statistics) << '\n';
    return 0;
}

} // namespace StatsCommand
