#include "tax/bonus_rate_tables.h"
#include "tax/withholding_tax_calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

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
        {500'000, 316'000, 60'000, 0, 0, 35'200},   // key 316,000 → 8 %
        {500'000, 316'000, 60'000, 2, 0, 26'400},   // 6 %
        {500'000, 316'000, 60'000, 8, 0, 8'800},    // 8 takes the column "7 or more": 2 %
        {500'000, 316'000, 60'000, -1, 0, 0},
        {800'000, 330'000, 90'000, 1, 0, 42'600},   // 6 %
        {300'000, 400'000, 40'000, 0, 0, 26'000},   // 10 %
        {500'000, 175'729, 60'725, 1, 0, 26'356},   // the guide's: 6 % of 439,275 is 26,356.5
        {500'000, 374'374, 60'725, 1, 0, 35'142},   // 8 %: 35,142
        {0, 0, 0, 0, 0, 0},
    };
    expectAll(std::begin(cases), std::end(cases));
}

// The key is the previous month's pay; a base of 500,000 makes the rate readable as tax / 5,000.
TEST(KouBonusTax, RateChangesExactlyAtEachBound)
{
    const std::int32_t base = 500'000;
    struct Row {
        std::int32_t rateKey, dependents, tax;
    };
    const Row rows[] = {
        {64'999, 0, 0},            {65'000, 0, 10'000},       {370'999, 0, 40'000},
        {371'000, 0, 50'000},      {1'744'999, 0, 160'000},   {1'745'000, 0, 175'000},
        {1'975'999, 7, 160'000},   {1'976'000, 7, 175'000},   {247'999, 3, 20'000},
        {248'000, 3, 30'000},      {497'999, 1, 60'000},      {498'000, 1, 70'000},
        {288'999, 7, 0},           {289'000, 7, 10'000},      {288'999, 8, 0},
        {289'000, 8, 10'000},      {1'976'000, 9, 175'000},   {INT32_MAX, INT32_MAX, 175'000},
        {1'976'000, -1, 0},        {INT32_MAX, -1, 0},        {INT32_MAX, 4, 175'000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.rateKey << " with " << row.dependents);
        const BonusCase c{base, row.rateKey, 0, row.dependents, 0, row.tax};
        EXPECT_EQ(bonusTax(c), row.tax);
    }
}

TEST(KouBonusTax, DropsOnlyTheFractionOfAYenAndTaxesNoBaseBelowOne)
{
    // 2 % of 123,457: 2,469.14 → 2,469.
    const BonusCase cases[] = {
        {123'457, 65'000, 0, 0, 0, 2'469},
        {123'450, 65'000, 0, 0, 0, 2'469},          // exactly 2,469
        {49, 65'000, 0, 0, 0, 0},                   // 0.98 yen
        {50, 65'000, 0, 0, 0, 1},
        // A base of 0 or less is taxed nothing, at any rate.
        {65'000, 65'000, 165'000, 0, 0, 0},
        {65'000, 65'000, 65'000, 0, 0, 0},
    };
    expectAll(std::begin(cases), std::end(cases));
}

TEST(OtsuBonusTax, FourRateBands)
{
    const BonusCase cases[] = {
        {500'000, 316'000, 60'000, 3, 1, 88'000},    // 20 %
        {500'000, 316'000, 60'000, 99, 1, 88'000},   // dependents play no part
        {800'000, 330'000, 90'000, 1, 1, 142'000},
        {710'000, 200'000, 0, 0, 1, 71'000},         // 10 %
        {710'000, 510'000, 0, 0, 1, 213'000},        // 30 %
        {710'000, 509'999, 0, 0, 1, 142'000},
        {710'000, 563'000, 0, 0, 1, 248'500},        // 35 %: a double product gave 248,400
        {710'000, 563'001, 0, 0, 1, 248'500},
        {710'000, 562'999, 0, 0, 1, 213'000},
        {710'000, 277'999, 0, 0, 1, 71'000},
        {710'000, 278'000, 0, 0, 1, 142'000},
        {123'456, 20'000, 7'890, 0, 1, 11'556},      // 11,556.6: the fraction of a yen dropped
        {123'457, 65'000, 0, 0, 1, 12'345},
        {9, 1'000, 0, 0, 1, 0},                      // 0.9 yen
        {10, 1'000, 0, 0, 1, 1},
        {-123'456, 0, 0, 0, 1, 0},                   // nothing to tax
        {0, 0, 0, 0, 1, 0},
    };
    expectAll(std::begin(cases), std::end(cases));
}

// After a month without pay, or for a bonus over ten times that pay: six
// times the monthly tax's rise on a sixth of the bonus.
TEST(BonusTax, MonthlyTableMethod)
{
    const BonusCase cases[] = {
        {123'456, 0, 7'890, 0, 1, 5'778},            // X = 19,261: 963 × 6
        {12'000, -1, 0, 0, 1, 600},                  // a month below 0 counts as 0
        {1'200'000, 0, 0, 0, 0, 44'820},             // 7,470 × 6
        {1'200'000, -1, 0, 0, 0, 44'820},
        {1'200'000, 0, 0, 2, 0, 14'400},            // 2,400 × 6
        {1'200'000, 100'000, 0, 2, 0, 48'000},      // (8,000 − 0) × 6
        {11'994, 0, 0, 0, 1, 594},                   // a sixth of 1,999: 99 × 6
        {12'000, 0, 0, 0, 1, 600},                   // of 2,000
        {24'000, 1'999, 0, 0, 1, 1'200},             // (299 − 99) × 6
        {500'000, 50'000, 0, 0, 0, 0},               // ten times: the table, 0 %
        {500'001, 50'000, 0, 0, 0, 22'800},          // (3,800 − 0) × 6
        {500'000, 50'000, 0, 0, 1, 50'000},          // 乙欄 10 %
        {500'001, 50'000, 0, 0, 1, 31'200},          // (7,700 − 2,500) × 6
        {INT32_MAX, 0, 0, 0, 1, 751'603'074},
    };
    expectAll(std::begin(cases), std::end(cases));
}

// Both columns by the rate table, on every whole-percent rate: the tax is the
// exact product with its fraction dropped. Every base up to 200,000 and then a
// prime stride up to what the form can hold, where the table still applies
// (up to ten times the month).
TEST(BonusTax, RateTableGivesTheExactPercentOnEveryBase)
{
    struct Band {
        std::int32_t key, dependents, column, percent;
    };
    std::vector<Band> bands;
    for (const KouBonusRateBand& band : kouBonusRateBands)
        bands.push_back({std::max(band.lowerBound[0], 1), 0, 0, band.percent});
    for (const OtsuBonusRateBand& band : otsuBonusRateBands)
        bands.push_back({std::max(band.lowerBound, 1), 0, 1, band.percent});
    for (const Band& band : bands) {
        SCOPED_TRACE(testing::Message() << band.percent << " % in column " << band.column);
        const std::int32_t top = std::min<std::int64_t>(std::int64_t{band.key} * 10, 99'999'999);
        std::int32_t wrong = 0;
        for (std::int32_t base = 1; base <= top; base += base < 200'000 ? 1 : 7'919) {
            WithholdingTaxCalculator calculator;
            std::int32_t tax = -1;
            calculator.getBonusTax(base, band.key, 0, band.dependents, band.column, tax);
            if (tax != std::int64_t{base} * band.percent / 100 && wrong++ < 5)
                ADD_FAILURE() << "base " << base << " gives " << tax;
        }
        EXPECT_EQ(wrong, 0);
    }
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
    calculator.getBonusTax(1'200'000, 0, 0, 0, 0, tax);
    EXPECT_EQ(tax, 44'820);
    EXPECT_EQ(calculator.incomeDeduction, 92'100);
    EXPECT_EQ(calculator.personalDeduction, 95'001);
}

}  // namespace
