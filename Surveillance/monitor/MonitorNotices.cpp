// The texts of the monitor's notices.
#include "monitor/MonitorNotices.h"

#include "monitor/AutostartEntry.h"
#include "monitor/MonitorMenu.h"
#include "monitor/MonitorOptions.h"

namespace MonitorNotices {

QString noTrayLine(const MonitorMenu& menu) {
    QString line = QStringLiteral("Tavelnor : aucune zone de notification n'est disponible ; la "
                                  "surveillance du modem continue sans icône.");
    if (!menu.checked(MonitorMenu::StartW95))
        return line;
    const AutostartEntry& entry = menu.options().autostart();
    line += QStringLiteral(" L'option « %1 » est cochée").arg(menu.caption(MonitorMenu::StartW95));
    if (entry.exists())
        line += QStringLiteral(" : Tavelnor démarrera à chaque ouverture de session (%1).")
                    .arg(entry.path());
    else
        line += QStringLiteral(", mais aucune entrée de démarrage n'est écrite : Tavelnor ne "
                               "démarrera pas à l'ouverture de session.");
    return line;
}

QString notTimedTitle() {
    return QStringLiteral("Orvalis : Surveillance Modem");
}

QString notTimedText(NotTimedReason reason) {
    const QString notTimed = QStringLiteral("Cette connexion n'est pas chronométrée : %1");
    switch (reason) {
    case NotTimedReason::CannotStart:
        return notTimed.arg(QStringLiteral("Orvalis n'a pas pu être démarré."));
    case NotTimedReason::NotOnBus:
        return notTimed.arg(QStringLiteral("Orvalis ne s'est pas présenté sur le bus de session "
                                           "dans les %1 secondes qui ont suivi son démarrage.")
                                .arg(ConnectionWatcher::StartWaitMs / 1000));
    case NotTimedReason::NoAnswer:
        return notTimed.arg(QStringLiteral("Orvalis ne répond pas."));
    case NotTimedReason::Refused:
        return notTimed.arg(QStringLiteral(
            "Orvalis n'a pas démarré le calcul. Vérifiez le type de communication et le numéro "
            "par défaut de sa configuration générale."));
    }
    Q_UNREACHABLE();
}

} // namespace MonitorNotices
