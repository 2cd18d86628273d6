// The calculator's main window: the lists of type, number and rate, the
// reductions panel, the displays, the Start/Stop button and the menus, all
// wired to the call in progress (CallEngine), which does the work. It is also
// the remote control's target and the owner of the compact window.
#pragma once

#include "config/EngineConfigHost.h"
#include "engine/CallEngine.h"
#include "engine/EngineHost.h"
#include "forms/BusyGate.h"
#include "forms/DdeTarget.h"
#include "forms/FrmReduite.h"
#include "forms/JournalLauncher.h"
#include "forms/MainMenus.h"
#include "forms/MainWindowContext.h"
#include "platform/Twips.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLayout;
class QPushButton;

namespace Orvalis {

class Afficheur;
class DdeServer;
class MessageBoxPresenter;
class ReductionPanelView;

class FrmPrincipale final : public QMainWindow, public EngineHost, public DdeTarget {
    Q_OBJECT

public:
    explicit FrmPrincipale(const MainWindowContext& context, QWidget* parent = nullptr);
    ~FrmPrincipale() override;
    Q_DISABLE_COPY_MOVE(FrmPrincipale)

    // Shows the window, then runs the engine's load (lists and defaults, one
    // tick, the monthly renewals, the automatic reset) and starts Timer1.
    void Form_Load();
    // The end of the program, once: the compact window closed, the total
    // and package time saved, a call in progress logged.
    void Form_Unload();

    CallEngine& engine() { return m_engine; }
    DdeServer& ddeServer() { return *m_dde; }
    BusyGate& gate() { return m_gate; }
    QTimer& Timer1() { return m_Timer1; }
    // The compact window while it is open.
    FrmReduite* reduite() const { return m_reduite; }
    const MainMenus& menus() const { return m_menus; }
    // LblTextes(0..11); index 8 is not used.
    const std::array<QLabel*, 12>& LblTextes() const { return m_LblTextes; }
    // LblReduction(0..2).
    const std::array<QLabel*, 3>& LblReduction() const;

    // Width of CboNumero: 1695 twips beside the Kiosque Micro rates, 3015
    // otherwise; wider when an entry needs it.
    static constexpr int NarrowNumeroWidth = Twips::toPixels(1695);
    static constexpr int WideNumeroWidth = Twips::toPixels(3015);

    QString ddeText() const override;
    bool runDdeCommand(RemoteControl::Command command) override;
    void OpenServicesDialog(int page) override;

public slots:
    // One tick of Timer1 (every 1000 ms); dropped while the window is busy.
    void Timer1_Timer();
    // Hooks of the configuration dialogs (general, France Télécom services).
    void MnuConfigGenerale_Click();
    void MnuConfigFT_Click();
    // Opens the compact window and hides this one; nothing when it is open.
    void CmdReduit_Click();
    // Closes the compact window, which brings this one back.
    void closeReduite();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    // The type, number and rate lists with their headings.
    QLayout* createLists(QWidget* central);
    QLayout* createButtons(QWidget* central);
    void connectControls();
    void connectMenus();
    void CmdStart_Stop_Click();
    void MnuAideReduction_Click();
    void MnuAidePropos_Click();
    // Shows what the engine holds: lists, button, panel, displays, commands.
    void refresh();

    BusyGate m_gate;
    std::unique_ptr<MessageBoxPresenter> m_ownMessages;
    // What the window was built with, the message presenter always set: the
    // settings, store, clock and messages that the configuration dialogs take.
    MainWindowContext m_context;
    CallEngine m_engine;
    // What the configuration dialogs reach of this window.
    EngineConfigHost m_configHost;
    JournalLauncher m_launcher;
    DdeServer* m_dde;
    MainMenus m_menus;
    QTimer m_Timer1;
    QPointer<FrmReduite> m_reduite;
    // The configuration dialog while one is open: no call may start then.
    QPointer<QWidget> m_configWindow;
    bool m_unloaded = false;

    QPushButton* m_CmdStart_Stop = nullptr;
    QPushButton* m_CmdReduit = nullptr;
    QPushButton* m_CmdQuitter = nullptr;
    QComboBox* m_CboCommunication = nullptr;
    QComboBox* m_CboNumero = nullptr;
    QComboBox* m_CboTarif = nullptr;
    // The reductions panel: LblTextes(5..7) and (10), LblReduction(0..2).
    ReductionPanelView* m_panel = nullptr;
    Afficheur* m_PicAfficheur = nullptr;
    std::array<QLabel*, 12> m_LblTextes{};
};

} // namespace Orvalis
