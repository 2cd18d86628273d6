// What the France Télécom services dialog does with the values it shows:
// the distance of the Primaliste number being edited, the reset and the
// correction of the remaining package times, and OK.
#pragma once

#include "BasOrvalis/Settings.h"

#include <QString>

#include <array>
#include <optional>

class ConfigHost;
class SettingsStore;

namespace BasOrvalis {
class MessagePresenter;
}

// The ticks and texts of the dialog, as OK reads them.
struct ConfigServicesValues {
    bool primaliste = false;
    bool primalisteInternet = false;
    bool temporalis = false;
    bool forfaitLocal = false;
    bool libreAcces = false;
    // TxtN°Primaliste(1..7); element 0 is not used.
    std::array<QString, 8> numeros;
    QString tempsForfaitLocal; // TxtForfaitLocal(0)
    QString tempsLibreAcces;   // TxtLibreAcces(0)
};

class ConfigServices final {
public:
    // The tabs of the dialog, numbered from 0.
    enum Onglet {
        Primaliste = 0,
        PrimalisteInternet = 1,
        Temporalis = 2,
        ForfaitLocal = 3,
        LibreAcces = 4
    };
    // The two packages whose remaining time the dialog edits.
    enum Forfait { Local = 0, Libre = 1 };
    // What a new-time box holds when it loses the focus.
    enum class Saisie { Vide, Valide, Invalide };

    ConfigServices(BasOrvalis::Settings& settings, SettingsStore& store,
                   BasOrvalis::MessagePresenter& messages, ConfigHost& host);
    Q_DISABLE_COPY_MOVE(ConfigServices)

    // The texts and ticks the dialog opens with.
    ConfigServicesValues valeursInitiales() const;

    // Number n (1..6) receives the focus: the distances now belong to it.
    // Returns the option (1..5) to select: its zone.
    int NumeroActif(int n);
    // The number whose distance the options show, 1 at first.
    int numeroActif() const { return m_numeroActif; }
    // "Distance Numéro " followed by the number shown.
    QString cadreDistance() const;

    // A distance option (1..5) chosen for the number shown. The choice is
    // kept by the dialog and reaches Settings only through OK.
    void ZoneChoisie(int option);
    int zone(int n) const { return m_zones.at(n); }

    // "Initialiser le Temps": asks; on Yes, the full allowance as time text
    // ("06:00:00" or "20:00:00"). The time counts as changed either way.
    std::optional<QString> CmdInitTemps(Forfait forfait);
    // "Modifier le Temps": the time counts as changed.
    void CmdModifTemps(Forfait forfait);
    bool tempsModifie(Forfait forfait) const { return m_tempsModifie.at(forfait); }

    // The new-time box losing the focus; a valid time is given back as
    // hh:mm:ss in *tempsActuel. The message is shown when invalid.
    Saisie ControleNouveauTemps(Forfait forfait, const QString& text, QString* tempsActuel);

    // Stores the subscriptions, the configured numbers with their distances
    // and the changed times of the options held, then refills the main
    // window's lists.
    void CmdOk(const ConfigServicesValues& values);

private:
    void save(const QString& key);
    // Neither empty nor "Non Configuré".
    static bool configure(const QString& numero);

    BasOrvalis::Settings& m_settings;
    SettingsStore& m_store;
    BasOrvalis::MessagePresenter& m_messages;
    ConfigHost& m_host;
    // The distances chosen in the dialog, by number 1..6; element 0 unused.
    std::array<int, 7> m_zones;
    int m_numeroActif = 1;
    std::array<bool, 2> m_tempsModifie{false, false};
};
