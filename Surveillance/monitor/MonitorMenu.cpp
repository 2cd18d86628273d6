// The items of the monitor's menu.
#include "monitor/MonitorMenu.h"

#include "monitor/CalculatorFinder.h"
#include "monitor/ConnectionWatcher.h"
#include "monitor/MonitorOptions.h"

#include <array>

namespace {

MonitorOption optionOf(int index) {
    return static_cast<MonitorOption>(index - MonitorMenu::StartW95);
}

} // namespace

const QString MonitorMenu::Title = QStringLiteral("&Options");

MonitorMenu::MonitorMenu(MonitorOptions& options, ConnectionWatcher& watcher,
                         CalculatorFinder& finder)
    : m_options(options)
    , m_watcher(watcher)
    , m_finder(finder) {}

bool MonitorMenu::isSeparator(int index) {
    return index == 1 || index == 6 || index == 8;
}

bool MonitorMenu::isOption(int index) {
    return index >= StartW95 && index <= StartReduit;
}

QString MonitorMenu::caption(int index) const {
    static const std::array<QString, ItemCount> captions{
        QStringLiteral("Ouvrir Orvalis"),
        QStringLiteral("-"),
        QStringLiteral("Activer surveillance au démarrage de la session"),
        QStringLiteral("Ouvrir Orvalis si détection d'une connexion"),
        // Two spaces before "connexion", as the item has always read.
        QStringLiteral("Démarrer calcul avec N° par défaut si  connexion"),
        QStringLiteral("Démarrer en fenêtre réduite"),
        QStringLiteral("-"),
        QString(),
        QStringLiteral("-"),
        QStringLiteral("Quitter"),
    };
    if (index == Surveillance)
        return m_watcher.monitoring() ? QStringLiteral("Désactiver Surveillance Modem")
                                      : QStringLiteral("Activer Surveillance Modem");
    return captions.at(static_cast<std::size_t>(index));
}

bool MonitorMenu::checked(int index) const {
    return isOption(index) && m_options.isChecked(optionOf(index));
}

bool MonitorMenu::enabled(int index) const {
    if (index == Surveillance)
        return !m_watcher.connected();
    if (!isOption(index))
        return true;
    if (!m_watcher.monitoring())
        return false;
    return index == StartW95 || index == StartOrvalis || checked(index - 1);
}

void MonitorMenu::MnuOptions_Click(int index) {
    if (index == OuvrirOrvalis)
        m_finder.FindOrvalis(true);
    else if (isOption(index))
        m_options.toggle(optionOf(index));
    else if (index == Surveillance)
        m_watcher.ToggleMonitoring();
}
