// The four options of the monitor's menu, kept in the section
// "Surveillance" of the store as "-1" (checked) or "0", and the rules that
// tie them: the calculation on connection needs the opening of the
// calculator and a default call, the compact window needs the calculation.
#pragma once

#include <array>

class AutostartEntry;
class MonitorMessages;
class SettingsStore;

enum class MonitorOption {
    StartW95,     // run at logon
    StartOrvalis, // open the calculator on a connection
    StartCalcul,  // start a call with the default type and number
    StartReduit,  // show the call in the compact window
};

class MonitorOptions final {
public:
    MonitorOptions(SettingsStore& store, AutostartEntry& autostart, MonitorMessages& messages);

    // The check marks from the store, a missing key giving its default (run
    // at logon checked, the others not); an option whose prerequisite is
    // unchecked reads unchecked. The run-at-logon entry is left as it is:
    // only a click on its item writes or removes it, so a first start shows
    // the option checked without installing the monitor at logon.
    void load();

    bool isChecked(MonitorOption option) const;
    // A click on the option's item: its check reversed, then applied.
    void toggle(MonitorOption option);

    // The entry that runs the monitor at logon.
    const AutostartEntry& autostart() const { return m_autostart; }

private:
    void ApplyStartW95(bool checked);
    void ApplyStartOrvalis(bool checked);
    void ApplyStartCalcul(bool checked);
    void ApplyStartReduit(bool checked);
    void applyAutostart() const;
    void save(MonitorOption option, bool checked);

    SettingsStore& m_store;
    AutostartEntry& m_autostart;
    MonitorMessages& m_messages;
    std::array<bool, 4> m_checked{};
};
