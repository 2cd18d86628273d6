// The keys of the settings store: section and key names, and the table of
// every stored field of Settings in load order.
#pragma once

#include "BasOrvalis/Settings.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <variant>
#include <vector>

namespace BasOrvalis {

namespace Sections {
inline const QString Parametres = QStringLiteral("Parametres");
inline const QString Tarification = QStringLiteral("Tarification");
inline const QString ServicesFt = QStringLiteral("Services FT");
inline const QString Surveillance = QStringLiteral("Surveillance");
} // namespace Sections

namespace Keys {
// "Tarification"
inline const QString TarifCreditTemps = QStringLiteral("Tarif Credit Temps");
// CreditTemps and TarifMinute, by distance band 1..5 (index 0 for band 1).
const QString& CreditTemps(int band);
const QString& TarifMinute(int band);
inline const QString TarifPerso = QStringLiteral("Tarification personnalisée");
inline const QString PersoNumero = QStringLiteral("Perso - Numéro d'appel");
inline const QString PersoDureeCredit = QStringLiteral("Perso - Durée Credit Temps");
inline const QString PersoTarifCredit = QStringLiteral("Perso - Tarif Credit Temps");
inline const QString PersoCoutMinute = QStringLiteral("Perso - Cout a la minute");
inline const QString PersoReductions = QStringLiteral("Perso - Reduction applicables");

// "Parametres"
inline const QString CoutTotal = QStringLiteral("Cout Total");
inline const QString RazAutoTotal = QStringLiteral("RAZ Auto Total");
inline const QString RazPeriode = QStringLiteral("RAZ Auto Total : Periode");
inline const QString RazDate = QStringLiteral("RAZ Auto Total : Date");
inline const QString DerniereRaz = QStringLiteral("RAZ Auto Total : Last RAZ");
inline const QString TypeDefaut = QStringLiteral("Defaut Type de Communication");
inline const QString NumeroDefaut = QStringLiteral("Defaut Numero");
inline const QString Initialisation = QStringLiteral("Initialisation");
inline const QString FenetreReduitePosH = QStringLiteral("Fenetre reduite Pos.H");
inline const QString FenetreReduitePosV = QStringLiteral("Fenetre reduite Pos.V");
inline const QString BudgetMensuel = QStringLiteral("Budget Mensuel");
inline const QString AlerteBudget = QStringLiteral("Budget Mensuel : Alerte");
inline const QString MoisBudget = QStringLiteral("Budget Mensuel : Mois");
inline const QString DepensesMois = QStringLiteral("Budget Mensuel : Depenses du mois");

// "Services FT"
inline const QString AboPrimaliste = QStringLiteral("Abonnement Primaliste");
inline const QString AboPrimalisteInternet = QStringLiteral("Abonnement Primaliste Internet");
inline const QString AboTemporalis = QStringLiteral("Abonnement Temporalis");
inline const QString AboForfaitLocal = QStringLiteral("Abonnement Forfait Local");
inline const QString AboLibreAcces = QStringLiteral("Abonnement Libre Acces");
// "Primaliste: Numero n" and "Primaliste: Zone Numero n", n = 1..6.
QString PrimalisteNumero(int n);
QString PrimalisteZone(int n);
inline const QString PrimalisteInternet = QStringLiteral("Primaliste: Internet");
inline const QString TempsForfaitLocal = QStringLiteral("Forfait Local : Temps");
inline const QString MoisForfaitLocal = QStringLiteral("Forfait Local : Mois");
inline const QString TempsLibreAcces = QStringLiteral("Libre Acces : Temps");
inline const QString MoisLibreAcces = QStringLiteral("Libre Acces : Mois");
} // namespace Keys

// Where one stored value lives in Settings; its type gives its text form:
// float Single, int flag/Long/Integer, QTime time, QDate date, bool Boolean,
// QString text, CommunicationType the text of the type, optional float an
// amount that may be unset.
using FieldPointer = std::variant<float*, int*, QString*, CommunicationType*, QTime*, QDate*, bool*,
                                  std::optional<float>*>;

struct SettingsKey {
    QString field; // the field's name; an array element's carries its index: "CreditTemps(0)"
    QString section;
    QString key;
    std::function<FieldPointer(Settings&)> locate;
};

// Every stored field, in the order LoadSettings reads them. The default of a
// field is its value in a default-constructed Settings.
const std::vector<SettingsKey>& SettingsKeys();

// The entry of (section, key); nullptr when the key is not a stored field.
const SettingsKey* FindSettingsKey(const QString& section, const QString& key);

// The text form of the field of `entry` in `settings`, as it is written to
// the store.
QString StoredTextOf(const Settings& settings, const SettingsKey& entry,
                     const QLocale& locale = QLocale());
// The text of the field's default.
QString DefaultTextOf(const SettingsKey& entry, const QLocale& locale = QLocale());

// Reads `text` into the field of `entry`. A Single that is no number reads
// as 0; another value that cannot be read (a type text of no type among
// them) leaves the field unchanged.
void ReadStoredText(Settings& settings, const SettingsKey& entry, const QString& text,
                    const QLocale& locale = QLocale());

} // namespace BasOrvalis
