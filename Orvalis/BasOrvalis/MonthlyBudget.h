// The monthly budget: the shares of it that the running total reaches, and
// the message that tells the user each one, in the calculator and in the
// monitor's notification.
#pragma once

#include "BasOrvalis/Messages.h"

#include <optional>

namespace BasOrvalis {

// The shares the user is warned of, in percent; 0 is none.
inline constexpr int BudgetNear = 80;
inline constexpr int BudgetReached = 100;

// The highest share of `budget` that `total` has reached: 0, 80 or 100;
// always 0 without a budget.
int BudgetShare(float total, const std::optional<float>& budget);

// The message that tells the user the total has reached `share` of the
// budget (80 or 100).
ShownMessage BudgetMessage(int share);

} // namespace BasOrvalis
