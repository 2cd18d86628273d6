// The settings model of the calculator: every tariff, subscription, total and
// preference, loaded once from the store at start and kept for the whole run.
#pragma once

#include "BasOrvalis/CommunicationTexts.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <array>
#include <optional>

namespace BasOrvalis {

// Distance bands: 1 local, 2 under 25 km, 3 from 30 to 52 km, 4 from 52 to
// 100 km, 5 national. Arrays indexed by band hold index 0 for band 1.
constexpr int BandCount = 5;
constexpr int PrimalisteCount = 6;         // numbers 1..6
constexpr int PrimalisteInternetIndex = 7; // element 7 of NumerosPrimaliste

struct Settings {
    float TarifCreditTemps = 0.742f;
    std::array<float, BandCount> CreditTemps{180.f, 111.f, 74.f, 47.f, 39.f};
    std::array<float, BandCount> TarifMinute{0.28f, 0.4f, 0.6f, 0.95f, 1.f};
    float CoutTotal = 0.f;
    int RazAutoTotal = 0; // flag: 1 = ticked
    QString RazPeriode;
    QString RazDate;
    QDate DerniereRaz{1899, 12, 30};
    CommunicationType TypeDefaut = CommunicationType::FaitesUneSelection;
    QString NumeroDefaut = FaitesUneSelection;
    int AboPrimaliste = 0;
    int AboPrimalisteInternet = 0;
    int AboTemporalis = 0;
    int AboForfaitLocal = 0;
    int AboLibreAcces = 0;
    int TarifPerso = 0;
    // Elements 1..6: the Primaliste numbers; 7: the Primaliste Internet
    // number. Element 0 is never used.
    std::array<QString, 8> NumerosPrimaliste{{QString(), Numbers::NonConfigure,
                                              Numbers::NonConfigure, Numbers::NonConfigure,
                                              Numbers::NonConfigure, Numbers::NonConfigure,
                                              Numbers::NonConfigure, Numbers::NonConfigure}};
    // Elements 1..6: the band (1..5) of each Primaliste number; 0 unused.
    std::array<int, 7> ZonesPrimaliste{{0, 1, 1, 1, 1, 1, 1}};
    QTime TempsForfaitLocal{6, 0, 0};
    int MoisForfaitLocal = 0;
    QTime TempsLibreAcces{20, 0, 0};
    int MoisLibreAcces = 0;
    QString PersoNumero;
    float PersoDureeCredit = 0.f;
    float PersoTarifCredit = 0.f;
    float PersoCoutMinute = 0.f;
    bool PersoReductions = false;
    // The monthly budget in francs; none when the user set none.
    std::optional<float> BudgetMensuel;
    // The share of the budget, in percent (0, 80 or 100), that the user was
    // last warned the month's spending had reached.
    int AlerteBudget = 0;
    // The calendar month of the budget (its first day) and what the calls
    // that stopped in it cost, in francs; the call in progress is not in it.
    QDate MoisBudget{1899, 12, 30};
    float DepensesMois = 0.f;
};

// The day the program started: day and month, and the year in two digits
// read back as a number (1999 gives 99, 2000 gives 0).
struct StartDate {
    int JourDemarrage = 0;
    int MoisDemarrage = 0;
    int AnneeDemarrage = 0;
};

StartDate StartDateOf(const QDate& today);

} // namespace BasOrvalis
