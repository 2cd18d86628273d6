// The shares of the monthly budget and their messages.
#include "BasOrvalis/MonthlyBudget.h"

#include "BasOrvalis/MoneyTexts.h"

namespace BasOrvalis {

int BudgetShare(float spent, const std::optional<float>& budget) {
    if (!budget)
        return 0;
    // In double: 80 % of a budget of 100 F is 80 F, not a single's 80,0000001.
    const double percent = double(spent) * 100.0;
    if (percent >= double(*budget) * BudgetReached)
        return BudgetReached;
    if (percent >= double(*budget) * BudgetNear)
        return BudgetNear;
    return 0;
}

ShownMessage BudgetMessage(const BudgetAlert& alert) {
    return {232,
            MessageStyle::Exclamation,
            alert.share >= BudgetReached ? 333 : 332,
            0,
            {TotalDisplayText(static_cast<float>(alert.spent)),
             TotalDisplayText(static_cast<float>(alert.budget))}};
}

} // namespace BasOrvalis
