// The menus of the main window, built as the menu bar shows them; the
// actions bear the names of the menu items. Like a generated form, the
// window reaches the items through the public pointers.
#pragma once

class QAction;
class QMainWindow;
class QMenu;

namespace Orvalis {

struct MainMenus final {
    // Builds the menu bar of `window`; the actions belong to the window.
    void setupUi(QMainWindow* window);

    QMenu* MnuCommandes = nullptr;
    QAction* MnuCommandesStart = nullptr;
    QAction* MnuCommandesStop = nullptr;
    QAction* MnuCommandesReduit = nullptr;
    QAction* MnuCommandesQuitter = nullptr;
    QMenu* MnuJournaux = nullptr;
    QAction* MnuOpenJournal = nullptr;
    QAction* MnuOpenGestion = nullptr;
    QMenu* MnuConfig = nullptr;
    QAction* MnuConfigGenerale = nullptr;
    QAction* MnuConfigFT = nullptr;
    QMenu* MnuAide = nullptr;
    QAction* MnuAideReduction = nullptr;
    QAction* MnuAidePropos = nullptr;
};

} // namespace Orvalis
