// The monthly budget: the shares of it that the month's spending reaches,
// and the message that tells the user each one, with what was spent and
// the budget, in the calculator and in the monitor's notification.
#pragma once

#include "BasOrvalis/Messages.h"

#include <optional>

namespace BasOrvalis {

// The shares the user is warned of, in percent; 0 is none.
inline constexpr int BudgetNear = 80;
inline constexpr int BudgetReached = 100;

// The highest share of `budget` that `spent` has reached: 0, 80 or 100;
// always 0 without a budget.
int BudgetShare(float spent, const std::optional<float>& budget);

// A warning: the share reached (80 or 100), what the calls of the month
// cost, and the budget, in francs.
struct BudgetAlert {
    int share = 0;
    double spent = 0.0;
    double budget = 0.0;
};

// The message that tells the user of `alert`, the amounts in its line.
ShownMessage BudgetMessage(const BudgetAlert& alert);

} // namespace BasOrvalis
