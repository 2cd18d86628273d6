// The three faces of the monitor's icon, and the tip of each.
#pragma once

#include <QString>

enum class TrayState {
    Connected,    // green clock
    Disconnected, // red clock
    Off,          // grey clock: monitoring switched off
};

// "Orvalis : Surveillance Modem - Connecté", "... - Déconnecté", "... - Désactivé".
QString trayTip(TrayState state);
