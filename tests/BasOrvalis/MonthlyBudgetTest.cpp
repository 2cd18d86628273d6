// The shares of the monthly budget that a total has reached.
#include "BasOrvalis/MonthlyBudget.h"

#include <gtest/gtest.h>

namespace {

using namespace BasOrvalis;

TEST(BudgetShare, EightyThenAHundredPercentNoneWithoutABudget) {
    const struct {
        float total;
        std::optional<float> budget;
        int share;
    } rows[] = {{7.99f, 10.f, 0},  {8.f, 10.f, 80},   {9.99f, 10.f, 80}, {10.f, 10.f, 100},
                {25.f, 10.f, 100}, {80.f, 100.f, 80}, {0.f, 0.01f, 0},   {1000.f, std::nullopt, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(BudgetShare(row.total, row.budget), row.share) << row.total;
}

} // namespace
