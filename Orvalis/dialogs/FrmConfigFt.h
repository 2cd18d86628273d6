// The France Télécom services dialog: the subscriptions held, the Primaliste
// numbers with their distances, the Primaliste Internet number, and the
// remaining times of Forfait Local and Libre @cces.
#pragma once

#include "config/ConfigServices.h"
#include "dialogs/ConfigWindow.h"

#include <array>

class ConfigHost;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class SettingsStore;

class FrmConfigFt final : public ConfigWindow {
    Q_OBJECT

public:
    // Opens the dialog on tab `onglet`, unless a call is in progress
    // (nullptr then).
    static FrmConfigFt* Open(BasOrvalis::Settings& settings, SettingsStore& store,
                             BasOrvalis::MessagePresenter& messages, ConfigHost& host,
                             QWidget* mainWindow, int onglet = ConfigServices::Primaliste);

    FrmConfigFt(BasOrvalis::Settings& settings, SettingsStore& store,
                BasOrvalis::MessagePresenter& messages, ConfigHost& host, QWidget* mainWindow);

    QTabWidget* SSTab() const { return m_SSTab; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of one package's tab, indexed by ConfigServices::Forfait.
    struct ForfaitControls {
        QCheckBox* check = nullptr;
        std::array<QLineEdit*, 2> temps{}; // current time, new time
        std::array<QLabel*, 2> labels{};   // "Temps Actuel", "Nouveau Temps"
        QPushButton* init = nullptr;
        QPushButton* modif = nullptr;
    };

    QWidget* createPrimaliste();
    QWidget* createPrimalisteInternet();
    QWidget* createTemporalis();
    QWidget* createForfait(ConfigServices::Forfait forfait);
    // The frame "Modification du temps restant" of a package's tab.
    QGroupBox* createTempsRestant(ConfigServices::Forfait forfait);
    void Form_Load();

    void ChkPrimaliste_Click();
    void TxtNoPrimaliste_GotFocus(int n);
    void showDistance(int n);
    void OptZonePrimaliste_Click(int option);
    void ChkPrimalisteInternet_Click();
    void ChkForfait_Click(ConfigServices::Forfait forfait);
    void CmdInitTemps_Click(ConfigServices::Forfait forfait);
    void CmdModifTemps_Click(ConfigServices::Forfait forfait);
    void TxtTemps_LostFocus(ConfigServices::Forfait forfait);
    void closeNewTime(QLineEdit* box);
    void CmdOk_Click();

    ConfigServices m_config;
    QTabWidget* m_SSTab;
    QCheckBox* m_ChkPrimaliste = nullptr;
    QCheckBox* m_ChkPrimalisteInternet = nullptr;
    QCheckBox* m_ChkTemporalis = nullptr;
    // TxtN°Primaliste(1..7) and LblTextes(101..106), (201) at their numbers.
    std::array<QLineEdit*, 8> m_TxtNoPrimaliste{};
    std::array<QLabel*, 8> m_LblNumeros{};
    QGridLayout* m_grilleNumeros = nullptr;
    QLabel* m_ImgPicto5 = nullptr;
    QGroupBox* m_FraDistance = nullptr; // FraCadres(0)
    QButtonGroup* m_OptZonePrimaliste = nullptr;
    std::array<ForfaitControls, 2> m_forfaits;
};
