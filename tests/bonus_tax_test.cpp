#include "tax/withholding_tax_calculator.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct BonusCase {
    std::int32_t bonus, previousMonthAmount, socialInsurance, dependents, column;
    std::int32_t tax;
};

std::int32_t bonusTax(const BonusCase& c)
{
    WithholdingTaxCalculator calculator;
    std::int32_t tax = -1;
    calculator.getBonusTax(c.bonus, c.previousMonthAmount, c.socialInsurance, c.dependents, c.column, tax);
    EXPECT_EQ(tax, calculator.tax);
    EXPECT_EQ(calculator.pay, c.bonus);
    EXPECT_EQ(calculator.previousMonthAmount, c.previousMonthAmount);
    EXPECT_EQ(calculator.socialInsurance, c.socialInsurance);
    EXPECT_EQ(calculator.dependents, c.dependents);
    return tax;
}

void expectAll(const BonusCase* begin, const BonusCase* end)
{
    for (const BonusCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(testing::Message() << "(" << c->bonus << ", " << c->previousMonthAmount << ", "
                                        << c->socialInsurance << ", " << c->dependents << ", " << c->column << ")");
        EXPECT_EQ(bonusTax(*c), c->tax);
    }
}

TEST(KouBonusTax, WorkedExamples)
{
    const BonusCase cases[] = {
        {500'000, 316'000, 60'000, 0, 0, 35'200},   // key 184,000 → 8 %
        {500'000, 316'000, 60'000, 2, 0, 17'600},   // 4 %
        {500'000, 316'000, 60'000, 8, 0, 0},        // no column for 8
        {500'000, 316'000, 60'000, -1, 0, 0},
        {800'000, 330'000, 90'000, 1, 0, 85'200},   // key 470,000 → 12 %
        {300'000, 400'000, 40'000, 0, 0, 0},        // negative key → 0 %
        {0, 0, 0, 0, 0, 0},
    };
    expectAll(std::begin(cases), std::end(cases));
}

// rateKey = bonus; taxableBonus = 1,000,000 makes the rate readable as tax / 10,000.
TEST(KouBonusTax, RateChangesExactlyAtEachBound)
{
    const std::int32_t base = 1'000'000;
    struct Row {
        std::int32_t rateKey, dependents, tax;
    };
    const Row rows[] = {
        {64'999, 0, 0},            {65'000, 0, 20'000},       {370'999, 0, 80'000},
        {371'000, 0, 100'000},     {1'744'999, 0, 320'000},   {1'745'000, 0, 350'000},
        {1'975'999, 7, 320'000},   {1'976'000, 7, 350'000},   {247'999, 3, 40'000},
        {248'000, 3, 60'000},      {497'999, 1, 120'000},     {498'000, 1, 140'000},
        {288'999, 7, 0},           {289'000, 7, 20'000},      {-1, 0, 0},
        {INT32_MAX, 4, 350'000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.rateKey << " with " << row.dependents);
        const BonusCase c{row.rateKey, 0, row.rateKey - base, row.dependents, 0, row.tax};
        EXPECT_EQ(bonusTax(c), row.tax);
    }
}

TEST(KouBonusTax, TruncatesToTenYen)
{
    // rateKey 65,000 (2 %), taxableBonus 123,457: 246.914 → 2,460.
    const BonusCase cases[] = {
        {65'000, 0, 65'000 - 123'457, 0, 0, 2'460},
        // No floor: a negative base at a non-zero rate gives a negative tax.
        {65'000, 0, 165'000, 0, 0, -2'000},
    };
    expectAll(std::begin(cases), std::end(cases));
}

TEST(OtsuBonusTax, FourRateBands)
{
    const BonusCase cases[] = {
        {500'000, 316'000, 60'000, 0, 1, 44'000},
        {500'000, 316'000, 60'000, 99, 1, 44'000},   // dependents play no part
        {800'000, 330'000, 90'000, 1, 1, 142'000},   // 20 %
        {510'000, 0, -200'000, 0, 1, 213'000},       // key 510,000, base 710,000: 30 %
        {509'999, 0, -200'001, 0, 1, 142'000},       // just below: 20 %
        {563'000, 0, -147'000, 0, 1, 248'400},       // 35 %
        {563'001, 0, -146'999, 0, 1, 248'400},
        {562'999, 0, -147'001, 0, 1, 213'000},
        {277'999, 0, -722'001, 0, 1, 100'000},       // 10 % up to 277,999
        {278'000, 0, -722'000, 0, 1, 200'000},
        {123'456, 0, 7'890, 0, 1, 11'500},           // 11,556.6 truncated to 100 yen
        {-123'456, 0, 0, 0, 1, -12'300},             // toward zero, no floor
        {0, 0, 0, 0, 1, 0},
    };
    expectAll(std::begin(cases), std::end(cases));
}

TEST(BonusTax, UnknownColumnGivesZero)
{
    const BonusCase cases[] = {
        {500'000, 316'000, 60'000, 0, 2, 0},
        {800'000, 330'000, 90'000, 1, -1, 0},
        {800'000, 0, 0, 1, INT32_MAX, 0},
    };
    expectAll(std::begin(cases), std::end(cases));
}

TEST(BonusTax, LeavesTheMonthlyDeductionsAlone)
{
    WithholdingTaxCalculator calculator;
    std::int32_t tax = 0;
    calculator.getMonthlyTax(300'000, 43'000, 2, 0, tax);
    calculator.getBonusTax(500'000, 316'000, 60'000, 0, 0, tax);
    EXPECT_EQ(tax, 35'200);
    EXPECT_EQ(calculator.incomeDeduction, 92'100);
    EXPECT_EQ(calculator.personalDeduction, 95'001);
}

}  // namespace
