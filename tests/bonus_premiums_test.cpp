#include "insurance/insurance_premium_calculator.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct Premiums {
    std::int32_t health, nursing, pension;
    bool operator==(const Premiums&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Premiums& p)
{
    return out << "{" << p.health << ", " << p.nursing << ", " << p.pension << "}";
}

Premiums bonusPremiums(std::int32_t amount, std::int32_t nursingExempt)
{
    InsurancePremiumCalculator calculator;
    Premiums p{-1, -1, -1};
    calculator.getBonusPremiums(amount, nursingExempt, p.health, p.nursing, p.pension);
    EXPECT_EQ(calculator.amount, amount);
    EXPECT_EQ(calculator.employmentPremium, 0);
    EXPECT_EQ(p, (Premiums{calculator.healthPremium, calculator.nursingPremium, calculator.pensionPremium}));
    return p;
}

TEST(BonusPremiums, RoundedDownToThousandsThenRated)
{
    struct Row {
        std::int32_t bonus;
        Premiums expected;
    };
    const Row rows[] = {
        {0, {0, 0, 0}},
        {-10'000, {0, 0, 0}},
        {INT32_MIN, {0, 0, 0}},
        {1, {0, 0, 0}},
        {999, {0, 0, 0}},
        {1'000, {41, 6, 68}},
        {1'999, {41, 6, 68}},
        {4'000, {164, 22, 272}},     // pension 271.6 rises
        {5'000, {205, 28, 339}},     // pension 339.5 drops
        {6'000, {246, 33, 407}},
        {123'456, {5'043, 683, 8'352}},
        {500'000, {20'500, 2'775, 33'950}},
        {1'000'000, {41'000, 5'550, 67'900}},
        // Ceilings of 1,500,000 (pension) and 2,000,000 (health, nursing care).
        {1'499'999, {61'459, 8'319, 101'782}},
        {1'500'999, {61'500, 8'325, 101'850}},
        {1'501'000, {61'541, 8'331, 101'850}},
        {1'999'000, {81'959, 11'094, 101'850}},
        {2'000'999, {82'000, 11'100, 101'850}},
        {2'001'000, {82'000, 11'100, 101'850}},
        {3'000'000, {82'000, 11'100, 101'850}},
        {INT32_MAX, {82'000, 11'100, 101'850}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bonus);
        EXPECT_EQ(bonusPremiums(row.bonus, 0), row.expected);
        EXPECT_EQ(bonusPremiums(row.bonus, 1), (Premiums{row.expected.health, 0, row.expected.pension}));
    }
}

TEST(BonusPremiums, OnlyZeroAsksForTheNursingPremium)
{
    for (std::int32_t exempt : {1, 2, -1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(exempt);
        EXPECT_EQ(bonusPremiums(1'000'000, exempt), (Premiums{41'000, 0, 67'900}));
    }
}

TEST(BonusPremiums, HealthIsExactlyFortyOnePerMille)
{
    for (std::int32_t x = 0; x <= 2'000'000; x += 7'919) {
        SCOPED_TRACE(x);
        ASSERT_EQ(bonusPremiums(x, 0).health, x / 1'000 * 41);
    }
}

TEST(BonusPremiums, NothingComputedKeepsEarlierResults)
{
    InsurancePremiumCalculator calculator;
    Premiums p{};
    calculator.getBonusPremiums(500'000, 0, p.health, p.nursing, p.pension);
    calculator.getBonusPremiums(-1, 0, p.health, p.nursing, p.pension);
    EXPECT_EQ(p, (Premiums{20'500, 2'775, 33'950}));
    EXPECT_EQ(calculator.amount, -1);
    calculator.getBonusPremiums(0, 0, p.health, p.nursing, p.pension);
    EXPECT_EQ(p, (Premiums{20'500, 2'775, 33'950}));
    calculator.getBonusPremiums(1'000'000, 1, p.health, p.nursing, p.pension);
    EXPECT_EQ(p, (Premiums{41'000, 2'775, 67'900}));
    // One yen is computed, and rounds down to nothing.
    calculator.getBonusPremiums(1, 0, p.health, p.nursing, p.pension);
    EXPECT_EQ(p, (Premiums{0, 0, 0}));
}

}  // namespace
