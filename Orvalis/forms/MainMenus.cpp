// The menu bar: "&Commandes", "&Journaux", "&Configuration" and the help menu.
#include "forms/MainMenus.h"

#include <QMainWindow>
#include <QMenuBar>

namespace Orvalis {

namespace {

QMenu* addMenu(QMainWindow* window, const char* name, const QString& title) {
    QMenu* menu = window->menuBar()->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

void MainMenus::setupUi(QMainWindow* window) {
    MnuCommandes = addMenu(window, "MnuCommandes", QStringLiteral("&Commandes"));
    MnuCommandesStart = addItem(MnuCommandes, "MnuCommandesStart", QStringLiteral("&Start"));
    MnuCommandesStop = addItem(MnuCommandes, "MnuCommandesStop", QStringLiteral("Sto&p"));
    MnuCommandes->addSeparator();
    MnuCommandesReduit =
        addItem(MnuCommandes, "MnuCommandesReduit", QStringLiteral("&Affichage réduit"));
    MnuCommandes->addSeparator();
    MnuCommandesQuitter = addItem(MnuCommandes, "MnuCommandesQuitter", QStringLiteral("&Quitter"));

    MnuJournaux = addMenu(window, "MnuJournaux", QStringLiteral("&Journaux"));
    MnuOpenJournal =
        addItem(MnuJournaux, "MnuOpenJournal", QStringLiteral("&Ouvrir fichier journal"));
    MnuOpenGestion =
        addItem(MnuJournaux, "MnuOpenGestion", QStringLiteral("&Gestion des journaux"));

    MnuConfig = addMenu(window, "MnuConfig", QStringLiteral("&Configuration"));
    MnuConfigGenerale =
        addItem(MnuConfig, "MnuConfigGenerale", QStringLiteral("Configuration générale"));
    MnuConfigFT = addItem(MnuConfig, "MnuConfigFT", QStringLiteral("Configuration services FT"));

    // The help menu bears the question mark of the era's menu bars.
    MnuAide = addMenu(window, "MnuAide", QStringLiteral("&?"));
    MnuAideReduction =
        addItem(MnuAide, "MnuAideReduction", QStringLiteral("&Tableau des avantages horaires"));
    MnuAidePropos = addItem(MnuAide, "MnuAidePropos", QStringLiteral("A &propos de Orvalis ..."));
}

} // namespace Orvalis
