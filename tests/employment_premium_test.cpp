#include "insurance/employment_brackets.h"
#include "insurance/insurance_premium_calculator.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

namespace {

std::int32_t employmentPremium(std::int32_t amount, std::int32_t category, std::int32_t isBonus)
{
    InsurancePremiumCalculator calculator;
    std::int32_t premium = -1;
    calculator.getEmploymentPremium(amount, category, isBonus, premium);
    EXPECT_EQ(calculator.amount, amount);
    EXPECT_EQ(premium, calculator.employmentPremium);
    return premium;
}

TEST(EmploymentPremium, Salary)
{
    struct Row {
        std::int32_t amount, a, b;
    };
    const Row rows[] = {
        {-5'000, -35, -40},    {0, 0, 0},             {91'999, 643, 735},    {92'000, 658, 752},
        {95'999, 658, 752},    {96'000, 686, 784},    {100'000, 714, 816},   {142'857, 998, 1'140},
        {210'000, 1'491, 1'704}, {215'999, 1'491, 1'704}, {483'999, 3'322, 3'796}, {484'000, 3'388, 3'872},
        {1'000'000, 7'000, 8'000}, {INT32_MAX, 15'032'385, 17'179'869},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.amount);
        for (std::int32_t isBonus : {0, 2, -1}) {
            EXPECT_EQ(employmentPremium(row.amount, 0, isBonus), row.a);
            EXPECT_EQ(employmentPremium(row.amount, 1, isBonus), row.b);
        }
    }
}

TEST(EmploymentPremium, BonusNeverUsesTheTable)
{
    struct Row {
        std::int32_t amount, a, b;
    };
    const Row rows[] = {
        {-5'000, -35, -40}, {0, 0, 0}, {100'000, 700, 800}, {142'857, 999, 1'142},
        {500'000, 3'500, 4'000}, {INT32_MAX, 15'032'385, 17'179'869}, {INT32_MIN, -15'032'385, -17'179'869},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.amount);
        EXPECT_EQ(employmentPremium(row.amount, 0, 1), row.a);
        EXPECT_EQ(employmentPremium(row.amount, 1, 1), row.b);
    }
}

TEST(EmploymentPremium, RateRuleIsTheExactPermilleTruncated)
{
    // Outside the table the double product equals amount × 7 (or 8) / 1,000
    // with the fraction dropped toward zero, however large the amount.
    for (std::int64_t amount = -3'000'000; amount <= 3'000'000; amount += 997) {
        const auto a = static_cast<std::int32_t>(amount);
        SCOPED_TRACE(a);
        ASSERT_EQ(employmentPremium(a, 0, 1), static_cast<std::int32_t>(amount * 7 / 1'000));
        ASSERT_EQ(employmentPremium(a, 1, 1), static_cast<std::int32_t>(amount * 8 / 1'000));
    }
    for (std::int64_t amount = INT32_MAX; amount > INT32_MAX - 5'000; --amount) {
        const auto a = static_cast<std::int32_t>(amount);
        ASSERT_EQ(employmentPremium(a, 0, 0), static_cast<std::int32_t>(amount * 7 / 1'000)) << a;
        ASSERT_EQ(employmentPremium(a, 1, 0), static_cast<std::int32_t>(amount * 8 / 1'000)) << a;
    }
}

TEST(EmploymentPremium, UnknownCategoryLeavesThePremiumAsItWas)
{
    for (std::int32_t category : {2, -1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(category);
        for (std::int32_t isBonus : {0, 1}) {
            EXPECT_EQ(employmentPremium(100'000, category, isBonus), 0);
            EXPECT_EQ(employmentPremium(1'000'000, category, isBonus), 0);
        }
        InsurancePremiumCalculator calculator;
        std::int32_t premium = 0;
        calculator.getEmploymentPremium(100'000, 0, 0, premium);
        ASSERT_EQ(premium, 714);
        calculator.getEmploymentPremium(300'000, category, 0, premium);
        EXPECT_EQ(premium, 714);
        EXPECT_EQ(calculator.amount, 300'000);
    }
}

TEST(EmploymentPremium, LeavesTheBonusPremiumsAlone)
{
    InsurancePremiumCalculator calculator;
    std::int32_t health = 0, nursing = 0, pension = 0, premium = 0;
    calculator.getBonusPremiums(500'000, 0, health, nursing, pension);
    calculator.getEmploymentPremium(300'000, 0, 0, premium);
    EXPECT_EQ(calculator.healthPremium, 20'500);
    EXPECT_EQ(calculator.nursingPremium, 2'775);
    EXPECT_EQ(calculator.pensionPremium, 33'950);
}

TEST(EmploymentBrackets, FollowOneAnotherFrom92000To483999)
{
    ASSERT_EQ(std::size(employmentBrackets), 48u);
    EXPECT_EQ(employmentBrackets[0].from, 92'000);
    EXPECT_EQ(std::end(employmentBrackets)[-1].to, 483'999);
    for (std::size_t i = 1; i < std::size(employmentBrackets); ++i)
        EXPECT_EQ(employmentBrackets[i].from, employmentBrackets[i - 1].to + 1) << employmentBrackets[i].from;
}

TEST(EmploymentBrackets, EachPremiumIsTheMidpointAtTheRateRoundedHalfUp)
{
    for (const EmploymentBracket& bracket : employmentBrackets) {
        SCOPED_TRACE(bracket.from);
        // Twice the midpoint, so that everything stays in integers.
        const std::int64_t twiceMid = std::int64_t{bracket.from} + bracket.to + 1;
        EXPECT_EQ(bracket.premiumA, (twiceMid * 7 + 1'000) / 2'000);
        EXPECT_EQ(bracket.premiumB, (twiceMid * 8 + 1'000) / 2'000);
        EXPECT_EQ(employmentPremium(bracket.from, 0, 0), bracket.premiumA);
        EXPECT_EQ(employmentPremium(bracket.to, 1, 0), bracket.premiumB);
    }
}

}  // namespace
