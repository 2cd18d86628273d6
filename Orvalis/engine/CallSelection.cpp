// The selections of the main window's lists.
#include "engine/CallSelection.h"

#include "BasOrvalis/CommunicationLists.h"

using namespace BasOrvalis;

CallSelection::CallSelection(const Settings& settings)
    : m_settings(settings) {
    FillTypes();
}

void CallSelection::FillTypes() {
    m_types = CommunicationTypes(m_settings);
    selectType(CommunicationType::FaitesUneSelection);
}

bool CallSelection::selectType(CommunicationType type) {
    if (!m_types.contains(type))
        return false;
    m_type = type;
    m_numbers = NumberEntries(type, m_settings);
    m_numberIndex = m_numbers.isEmpty() ? -1 : 0;
    m_rates.clear();
    m_rateIndex = -1;
    return true;
}

void CallSelection::showType(CommunicationType type) {
    m_type = type;
}

QString CallSelection::number() const {
    return m_numberIndex >= 0 ? m_numbers.at(m_numberIndex) : QString();
}

bool CallSelection::selectNumber(int index) {
    if (index < 0 || index >= m_numbers.size())
        return false;
    m_numberIndex = index;
    return true;
}

bool CallSelection::selectNumber(const QString& number) {
    return selectNumber(static_cast<int>(m_numbers.indexOf(number)));
}

QString CallSelection::numberCaption() const {
    return NumberListCaption(m_type);
}

bool CallSelection::numbersEnabled() const {
    return NumberListEnabled(m_type);
}

void CallSelection::setRates(const QStringList& rates) {
    m_rates = rates;
    m_rateIndex = rates.isEmpty() ? -1 : 0;
}

QString CallSelection::rate() const {
    return m_rateIndex >= 0 ? m_rates.at(m_rateIndex) : QString();
}

bool CallSelection::selectRate(int index) {
    if (index < 0 || index >= m_rates.size())
        return false;
    m_rateIndex = index;
    return true;
}

bool CallSelection::ratesVisible() const {
    return m_type == CommunicationType::Kiosque;
}
