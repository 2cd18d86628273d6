// The selections of the main window's lists: the offered communication
// types, the number entries of the type shown with the caption of their
// label, and the Kiosque Micro rates of the number shown.
#pragma once

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Settings.h"

#include <QString>
#include <QStringList>
#include <QVector>

class CallSelection final {
public:
    explicit CallSelection(const BasOrvalis::Settings& settings);

    // Fills the type list from the subscriptions and selects "Faites une
    // sélection".
    void FillTypes();
    const QVector<BasOrvalis::CommunicationType>& types() const { return m_types; }

    // Selects an offered type and fills its number entries (FillNumbers),
    // the first one selected. False, nothing changed, when not offered.
    bool selectType(BasOrvalis::CommunicationType type);
    // The type shown changes, the number entries stay as they are.
    void showType(BasOrvalis::CommunicationType type);
    BasOrvalis::CommunicationType type() const { return m_type; }

    const QStringList& numbers() const { return m_numbers; }
    int numberIndex() const { return m_numberIndex; }
    // The text of the number shown; empty when none.
    QString number() const;
    bool selectNumber(int index);
    bool selectNumber(const QString& number);
    // LblTextes(9).
    QString numberCaption() const;
    // The number list is disabled while nothing is chosen.
    bool numbersEnabled() const;

    void setRates(const QStringList& rates);
    const QStringList& rates() const { return m_rates; }
    int rateIndex() const { return m_rateIndex; }
    // The rate text shown; empty when the list is empty.
    QString rate() const;
    bool selectRate(int index);
    // CboTarif and its heading are shown for "Kiosque Micro" only.
    bool ratesVisible() const;

private:
    const BasOrvalis::Settings& m_settings;
    QVector<BasOrvalis::CommunicationType> m_types;
    BasOrvalis::CommunicationType m_type = BasOrvalis::CommunicationType::FaitesUneSelection;
    QStringList m_numbers;
    int m_numberIndex = -1;
    QStringList m_rates;
    int m_rateIndex = -1;
};
