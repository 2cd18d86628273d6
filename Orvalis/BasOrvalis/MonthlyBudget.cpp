// The shares of the monthly budget and their messages.
#include "BasOrvalis/MonthlyBudget.h"

namespace BasOrvalis {

int BudgetShare(float total, const std::optional<float>& budget) {
    if (!budget)
        return 0;
    // In double: 80 % of a budget of 100 F is 80 F, not a single's 80,0000001.
    const double spent = double(total) * 100.0;
    if (spent >= double(*budget) * BudgetReached)
        return BudgetReached;
    if (spent >= double(*budget) * BudgetNear)
        return BudgetNear;
    return 0;
}

ShownMessage BudgetMessage(int share) {
    return {232, MessageStyle::Exclamation, share >= BudgetReached ? 333 : 332, 0};
}

} // namespace BasOrvalis
