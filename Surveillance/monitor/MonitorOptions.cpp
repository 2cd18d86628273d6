// The options, their keys and their dependencies.
#include "monitor/MonitorOptions.h"

#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/StoredDefault.h"
#include "monitor/AutostartEntry.h"
#include "monitor/MonitorMessages.h"
#include "platform/SettingsStore.h"

#include <QString>

namespace {

struct OptionKey {
    QLatin1String key;
    bool defaultChecked;
};

const OptionKey& keyOf(MonitorOption option) {
    static const std::array<OptionKey, 4> keys{{
        {QLatin1String("StartW95"), true},
        {QLatin1String("StartOrvalis"), false},
        {QLatin1String("StartCalcul"), false},
        {QLatin1String("StartReduit"), false},
    }};
    return keys[static_cast<std::size_t>(option)];
}

const QString CheckedText = QStringLiteral("-1");
const QString UncheckedText = QStringLiteral("0");

// "-1" or any other number but 0 is checked; a text that is no number
// keeps the default.
bool readChecked(const QString& text, bool defaultChecked) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value != 0 : defaultChecked;
}

} // namespace

MonitorOptions::MonitorOptions(SettingsStore& store, AutostartEntry& autostart,
                               MonitorMessages& messages)
    : m_store(store)
    , m_autostart(autostart)
    , m_messages(messages) {}

void MonitorOptions::load() {
    const auto stored = [this](MonitorOption option) {
        const OptionKey& entry = keyOf(option);
        return readChecked(m_store.read(BasOrvalis::Sections::Surveillance, entry.key),
                           entry.defaultChecked);
    };
    const auto set = [this](MonitorOption option, bool checked) {
        m_checked[static_cast<std::size_t>(option)] = checked;
    };
    set(MonitorOption::StartW95, stored(MonitorOption::StartW95));
    set(MonitorOption::StartOrvalis, stored(MonitorOption::StartOrvalis));
    set(MonitorOption::StartCalcul,
        isChecked(MonitorOption::StartOrvalis) && stored(MonitorOption::StartCalcul));
    set(MonitorOption::StartReduit,
        isChecked(MonitorOption::StartCalcul) && stored(MonitorOption::StartReduit));
}

bool MonitorOptions::isChecked(MonitorOption option) const {
    return m_checked[static_cast<std::size_t>(option)];
}

void MonitorOptions::toggle(MonitorOption option) {
    const bool checked = !isChecked(option);
    switch (option) {
    case MonitorOption::StartW95:
        ApplyStartW95(checked);
        break;
    case MonitorOption::StartOrvalis:
        ApplyStartOrvalis(checked);
        break;
    case MonitorOption::StartCalcul:
        ApplyStartCalcul(checked);
        break;
    case MonitorOption::StartReduit:
        ApplyStartReduit(checked);
        break;
    }
}

void MonitorOptions::ApplyStartW95(bool checked) {
    // An entry that cannot be written is not reported; the option is kept.
    save(MonitorOption::StartW95, checked);
    applyAutostart();
}

void MonitorOptions::ApplyStartOrvalis(bool checked) {
    if (!checked)
        ApplyStartCalcul(false);
    save(MonitorOption::StartOrvalis, checked);
}

void MonitorOptions::ApplyStartCalcul(bool checked) {
    if (checked && !BasOrvalis::ReadStoredDefault(m_store).configured) {
        m_messages.information(
            QStringLiteral("Surveillance Modem"),
            QStringLiteral("Type de Communication ou Numéro par défaut non configurés"));
        checked = false;
    }
    if (!checked)
        ApplyStartReduit(false);
    save(MonitorOption::StartCalcul, checked);
}

void MonitorOptions::ApplyStartReduit(bool checked) {
    save(MonitorOption::StartReduit, checked);
}

void MonitorOptions::applyAutostart() const {
    if (isChecked(MonitorOption::StartW95))
        m_autostart.write();
    else
        m_autostart.remove();
}

void MonitorOptions::save(MonitorOption option, bool checked) {
    m_checked[static_cast<std::size_t>(option)] = checked;
    m_store.write(BasOrvalis::Sections::Surveillance, keyOf(option).key,
                  checked ? CheckedText : UncheckedText);
}
