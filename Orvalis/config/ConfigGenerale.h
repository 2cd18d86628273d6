// What the general configuration dialog does with the values it shows: the
// focus checks of its boxes, the manual reset of the total and OK, which
// stores the values in a fixed order and stops at the first failing check.
#pragma once

#include "BasOrvalis/Settings.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

class ConfigHost;
class SettingsStore;

namespace BasOrvalis {
class MessagePresenter;
}

// The texts and ticks of the dialog, as OK reads them.
struct ConfigGeneraleValues {
    // TxtParamUT(0..10): the time-credit price, then the credit durations and
    // the prices per minute by distance band.
    std::array<QString, 11> paramUT;
    BasOrvalis::CommunicationType typeCommunication =
        BasOrvalis::CommunicationType::FaitesUneSelection; // CboCommunication
    QString numero;                                        // CboNumero
    QString totalActuel;                                   // TxtTotal(0)
    bool razAuto = false;                                  // ChkRazAutoTotal
    QString periode;                                       // CboPeriode
    QString date;                                          // CboDate
    QString budget;                                        // TxtBudget, empty for none
    bool perso = false;                                    // ChkPerso
    // txtPerso(1..4): number, credit duration, credit price, price per minute.
    std::array<QString, 4> persoTextes;
    bool reducPerso = false; // chkReducPerso
};

class ConfigGenerale final {
public:
    // The tabs of the dialog, numbered from 0.
    enum Onglet { Tarification = 0, NumeroDefaut = 1, CoutTotal = 2, Personnalisee = 3 };

    // What a box holds when it loses the focus.
    enum class Saisie { Vide, Valide, Invalide };

    ConfigGenerale(BasOrvalis::Settings& settings, SettingsStore& store,
                   BasOrvalis::MessagePresenter& messages, ConfigHost& host,
                   const QLocale& locale = QLocale());
    Q_DISABLE_COPY_MOVE(ConfigGenerale)

    // The texts the dialog opens with (the type and number lists aside).
    ConfigGeneraleValues valeursInitiales() const;

    // A tariff box losing the focus: false, after the decimal-separator
    // message, when its text is not a number of the user's locale.
    bool ControleTarif(const QString& text);

    // The new total losing the focus; for a valid number, *totalActuel
    // receives it with two decimals. The message is shown when invalid.
    Saisie ControleNouveauTotal(const QString& text, QString* totalActuel);

    // The monthly budget losing the focus: true when empty (no budget) or
    // an amount above zero; false after the decimal-separator message for
    // a text that is no number, after the budget's own message for zero or
    // a negative amount.
    bool ControleBudget(const QString& text);

    // The personalised boxes 2, 3 and 4 (indices 1..3 of `persoTextes`)
    // examined in order: the index of the first one that is neither empty
    // nor a number, after the message; nothing when all pass.
    std::optional<int> ControlePerso(const std::array<QString, 4>& persoTextes);

    // Asks for the manual reset; on Yes the total is 0 at once, in memory,
    // in the main window, in the store and in the month's log. True when
    // the total was reset.
    bool CmdRAZTotal();

    // Stores the dialog's values. Nothing when everything was stored (the
    // dialog closes); otherwise the tab to bring to the front, the message
    // shown and what was stored before the failing check kept.
    std::optional<Onglet> CmdOk(const ConfigGeneraleValues& values);

private:
    void save(const QString& section, const QString& key);
    bool isNumber(const QString& text);
    // The steps of OK, in their order.
    void storeTariffsAndDefaults(const ConfigGeneraleValues& values);
    void storeTotal(const ConfigGeneraleValues& values);
    // False, after its message, when a box of the ticked personalised
    // tariff is empty. A personalised default takes the stored number.
    bool storePerso(const ConfigGeneraleValues& values);

    BasOrvalis::Settings& m_settings;
    SettingsStore& m_store;
    BasOrvalis::MessagePresenter& m_messages;
    ConfigHost& m_host;
    QLocale m_locale;
};
