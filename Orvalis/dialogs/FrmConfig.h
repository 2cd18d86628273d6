// The general configuration dialog: tariff values, default type and number,
// the total with its manual and automatic resets, the personalised tariff.
#pragma once

#include "config/ConfigGenerale.h"
#include "dialogs/ConfigWindow.h"

#include <QVector>

#include <array>
#include <map>

class ConfigHost;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QTabWidget;
class SettingsStore;

namespace Orvalis {

class FrmConfig final : public ConfigWindow {
    Q_OBJECT

public:
    // Opens the dialog, unless a call is in progress (nullptr then).
    static FrmConfig* Open(BasOrvalis::Settings& settings, SettingsStore& store,
                           BasOrvalis::MessagePresenter& messages, ConfigHost& host,
                           QWidget* mainWindow);

    FrmConfig(BasOrvalis::Settings& settings, SettingsStore& store,
              BasOrvalis::MessagePresenter& messages, ConfigHost& host, QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createTarification();
    QWidget* createNumeroDefaut();
    QWidget* createCoutTotal();
    // The frame "Modification du Coût Total" and the automatic reset.
    QWidget* createModificationTotal();
    QLayout* createRazAuto();
    // The frame of the monthly budget.
    QWidget* createBudget();
    QWidget* createPersonnalisee();
    void Form_Load();

    void CmdModifier_Click();
    void SSTab_Click(int onglet);
    void lockTariffs(bool locked);
    // LblTextes(first..last) enabled or not.
    void enableLabels(int first, int last, bool enabled);
    void TxtParamUT_LostFocus(QLineEdit* box);

    void FillCommunicationTypes();
    // The type CboCommunication shows.
    BasOrvalis::CommunicationType typeChoisi() const;
    void FillNumbers();

    void CmdModifTotal_Click();
    void enableTotal(bool enabled);
    void TxtTotal_LostFocus();
    void CmdRAZTotal_Click();

    void TxtBudget_LostFocus();

    void ChkRazAutoTotal_Click();
    void CboPeriode_Click();

    void ChkPerso_Click();
    void txtPerso_LostFocus();

    void CmdOk_Click();
    ConfigGeneraleValues values() const;

    BasOrvalis::Settings& m_settings;
    BasOrvalis::MessagePresenter& m_messages;
    ConfigGenerale m_config;
    // The text a tariff box held when it received the focus.
    QString m_texteAuFocus;

    QTabWidget* m_SSTab;
    std::array<QLineEdit*, 11> m_TxtParamUT{};
    QComboBox* m_CboCommunication = nullptr;
    // The types CboCommunication offers, in its order.
    QVector<BasOrvalis::CommunicationType> m_types;
    QComboBox* m_CboNumero = nullptr;
    std::array<QLineEdit*, 2> m_TxtTotal{};
    QCheckBox* m_ChkRazAutoTotal = nullptr;
    QComboBox* m_CboPeriode = nullptr;
    QComboBox* m_CboDate = nullptr;
    QLineEdit* m_TxtBudget = nullptr;
    QCheckBox* m_ChkPerso = nullptr;
    // txtPerso(1..4) at indices 0..3.
    std::array<QLineEdit*, 4> m_txtPerso{};
    QCheckBox* m_chkReducPerso = nullptr;
    QPushButton* m_CmdModifier = nullptr;
    // The labels the dialog changes: LblTextes(9), (301..304), (400..408).
    std::map<int, QLabel*> m_LblTextes;
};

} // namespace Orvalis
