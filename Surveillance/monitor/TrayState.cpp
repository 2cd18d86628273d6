// The tips of the icon.
#include "monitor/TrayState.h"

QString trayTip(TrayState state) {
    const QString prefix = QStringLiteral("Orvalis : Surveillance Modem - ");
    switch (state) {
    case TrayState::Connected:
        return prefix + QStringLiteral("Connecté");
    case TrayState::Disconnected:
        return prefix + QStringLiteral("Déconnecté");
    case TrayState::Off:
        return prefix + QStringLiteral("Désactivé");
    }
    Q_UNREACHABLE();
}
