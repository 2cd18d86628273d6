// The table of journal windows and its flags.
#include "core/JournalSlots.h"

namespace BasJournal {

int JournalSlots::upperBound() const {
    return m_flags.isEmpty() ? 0 : int(m_flags.size()) - 1;
}

int JournalSlots::FindFreeSlot() {
    for (int i = 1; i <= upperBound(); ++i) {
        if (m_flags[i].Free) {
            m_flags[i] = SlotFlags{};
            return i;
        }
    }
    if (m_flags.isEmpty())
        m_flags.append(SlotFlags{true, false});
    m_flags.append(SlotFlags{});
    return upperBound();
}

bool JournalSlots::AnyJournalOpen() const {
    for (int i = 1; i <= upperBound(); ++i) {
        if (!m_flags[i].Free)
            return true;
    }
    return false;
}

bool JournalSlots::isOpen(int index) const {
    return isValid(index) && !m_flags[index].Free;
}

void JournalSlots::resetToFirst() {
    m_flags = {SlotFlags{true, false}, SlotFlags{}};
}

void JournalSlots::release(int index) {
    if (!isValid(index))
        return;
    m_flags[index] = SlotFlags{true, false};
    if (!AnyJournalOpen())
        m_flags.resize(1);
}

bool JournalSlots::isUnsaved(int index) const {
    return isOpen(index) && m_flags[index].Unsaved;
}

void JournalSlots::setUnsaved(int index, bool unsaved) {
    if (isOpen(index))
        m_flags[index].Unsaved = unsaved;
}

bool JournalSlots::isValid(int index) const {
    return index >= 1 && index <= upperBound();
}

} // namespace BasJournal
