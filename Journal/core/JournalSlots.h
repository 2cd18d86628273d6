// The table of journal windows: one entry per index from 1 (index 0 exists
// and is never used), each with its Free and Unsaved flags.
#pragma once

#include <QVector>

namespace BasJournal {

struct SlotFlags {
    bool Free = false;    // the window of this index is closed; the index may be reused
    bool Unsaved = false; // the window holds a search result not yet saved
};

class JournalSlots final {
public:
    JournalSlots() = default;

    // The highest index; 0 while no window was ever opened or after the last closed.
    int upperBound() const;

    // The index for a new window, marked taken: the lowest closed index first,
    // else one more than the upper bound.
    int FindFreeSlot();
    // True when at least one index is taken.
    bool AnyJournalOpen() const;
    bool isOpen(int index) const;

    // Back to indexes 0 and 1 with index 1 taken (a log opened while no
    // journal window can exist yet).
    void resetToFirst();
    // Marks a window closed; when it was the last open one the table is cut
    // back to index 0 so that the next window gets index 1 again.
    void release(int index);

    bool isUnsaved(int index) const;
    void setUnsaved(int index, bool unsaved);

private:
    bool isValid(int index) const;

    QVector<SlotFlags> m_flags;
};

} // namespace BasJournal
