// The France Télécom services dialog: the subscriptions held, the Primaliste
// numbers with their distances, the Primaliste Internet number, and the
// remaining times of Forfait Local and Libre @cces.
#pragma once

#include "config/ConfigServices.h"
#include "dialogs/ConfigWindow.h"

#include <array>
#include <map>

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

namespace Orvalis {

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
    // A package's check box (ChkForfaitLocal, ChkLibreAcces), its time boxes
    // (TxtForfaitLocal, TxtLibreAcces: current time, new time) and the
    // number of the text over its tab, LblTextes(400) or (500).
    QCheckBox*& chkForfait(ConfigServices::Forfait forfait);
    std::array<QLineEdit*, 2>& txtTemps(ConfigServices::Forfait forfait);
    static int lblForfait(ConfigServices::Forfait forfait);
    void CmdOk_Click();

    ConfigServices m_config;
    QTabWidget* m_SSTab;
    QCheckBox* m_ChkPrimaliste = nullptr;
    QCheckBox* m_ChkPrimalisteInternet = nullptr;
    QCheckBox* m_ChkTemporalis = nullptr;
    // TxtN°Primaliste(1..7) at their numbers.
    std::array<QLineEdit*, 8> m_TxtNoPrimaliste{};
    QGridLayout* m_grilleNumeros = nullptr;
    QLabel* m_ImgPicto5 = nullptr;
    QGroupBox* m_FraCadres0 = nullptr;
    QButtonGroup* m_OptZonePrimaliste = nullptr;
    QCheckBox* m_ChkForfaitLocal = nullptr;
    QCheckBox* m_ChkLibreAcces = nullptr;
    std::array<QLineEdit*, 2> m_TxtForfaitLocal{};
    std::array<QLineEdit*, 2> m_TxtLibreAcces{};
    // Indexed by ConfigServices::Forfait.
    std::array<QPushButton*, 2> m_CmdInitTemps{};
    std::array<QPushButton*, 2> m_CmdModifTemps{};
    // The labels the dialog enables: LblTextes(101..106), (201), (401),
    // (402), (501), (502).
    std::map<int, QLabel*> m_LblTextes;
};

} // namespace Orvalis
