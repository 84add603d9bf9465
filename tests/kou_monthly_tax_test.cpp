#include "tax/withholding_tax_calculator.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct MonthlyResult {
    std::int32_t incomeDeduction;
    std::int32_t personalDeduction;
    std::int32_t tax;
};

MonthlyResult kouMonthly(std::int32_t pay, std::int32_t socialInsurance, std::int32_t dependents)
{
    WithholdingTaxCalculator calculator;
    std::int32_t tax = -1;
    calculator.getMonthlyTax(pay, socialInsurance, dependents, 0, tax);
    EXPECT_EQ(tax, calculator.tax);
    return {calculator.incomeDeduction, calculator.personalDeduction, tax};
}

// With no social insurance and dependents −1 the personal deduction is 0, so
// T = pay − incomeDeduction, which rises by 0 or 1 with each yen of pay.
std::int32_t payGivingTaxable(std::int32_t t)
{
    std::int32_t low = t;
    std::int32_t high = 2 * t + 300'000;
    while (low < high) {
        const std::int32_t mid = low + (high - low) / 2;
        if (mid - kouMonthly(mid, 0, -1).incomeDeduction < t)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

TEST(KouMonthlyTax, IncomeDeductionAcrossItsBrackets)
{
    struct Row {
        std::int32_t a;
        std::int32_t deduction;
    };
    const Row rows[] = {
        {-500'000, 54'167}, {0, 54'167},        {135'415, 54'167},  {135'416, 54'167},
        {135'417, 54'167},  {149'999, 60'000},  {150'000, 60'000},  {299'999, 105'000},
        {300'000, 105'000}, {549'999, 155'000}, {550'000, 155'000}, {833'333, 183'334},
        {833'334, 183'334}, {1'000'000, 191'667},
        // The formulas agree at each seam; tens of yen either side they do not,
        // so a bound moved by 100 or 1,000 shows.
        {135'386, 54'167},  {135'447, 54'179},  {140'000, 56'000},  {149'969, 59'988},
        {150'030, 60'009},  {299'969, 104'991}, {300'030, 105'006}, {549'969, 154'994},
        {550'030, 155'003}, {833'303, 183'331}, {833'364, 183'336},
        // Any fraction of a yen is rounded up, however small: 186,667.05 and
        // 65,777.1, which a double holds as 65,777.0999….
        {900'001, 186'668}, {900'000, 186'667}, {219'257, 80'778}, {150'001, 60'001},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.a);
        // The deduction depends on pay − socialInsurance only.
        EXPECT_EQ(kouMonthly(row.a, 0, 0).incomeDeduction, row.deduction);
        EXPECT_EQ(kouMonthly(row.a + 40'000, 40'000, 5).incomeDeduction, row.deduction);
    }
}

// Every A the form can give, against the notice's percentages with the
// fraction rounded up in exact arithmetic.
TEST(KouMonthlyTax, IncomeDeductionIsExactForEveryAmount)
{
    struct Row {
        std::int32_t upTo, percent, constant;
    };
    const Row rows[] = {{149'999, 40, 0}, {299'999, 30, 15'000}, {549'999, 20, 45'000},
                        {833'333, 10, 100'000}, {99'999'999, 5, 141'667}};
    WithholdingTaxCalculator calculator;
    std::int32_t tax = 0, wrong = 0;
    const Row* row = rows;
    for (std::int32_t a = -1'000; a <= 99'999'999; ++a) {
        if (a > row->upTo)
            ++row;
        const std::int64_t product = std::int64_t{a} * row->percent;
        const std::int64_t expected = a <= 135'416 ? 54'167 : (product + 99) / 100 + row->constant;
        calculator.getMonthlyTax(a, 0, 0, kouColumn, tax);
        if (calculator.incomeDeduction != expected && wrong++ < 5)
            ADD_FAILURE() << "A = " << a << " gives " << calculator.incomeDeduction << ", not " << expected;
    }
    EXPECT_EQ(wrong, 0);
}

TEST(KouMonthlyTax, TaxAtTheBracketSeamsAndRoundingPoints)
{
    struct Row {
        std::int32_t t;
        std::int32_t tax;
    };
    const Row rows[] = {
        {1, 0},              {62, 0},             {63, 10},            {72'333, 5'790},
        {275'000, 22'000},   {275'001, 22'000},   {658'334, 83'330},   {658'335, 83'330},
        {750'000, 101'670},  {750'001, 101'670},  {1'500'000, 326'670}, {1'500'001, 326'670},
        // Tens of yen either side of each seam.
        {274'968, 22'000},   {275'033, 22'010},   {658'294, 83'330},   {658'395, 83'350},
        {749'963, 101'660},  {750'038, 101'680},  {1'499'943, 326'650}, {1'500'058, 326'690},
        // Each bracket's subtrahend decides where V crosses a half: a pair of T
        // either side of one crossing, as 62 and 63 are for the first bracket.
        {299'968, 25'990},   {299'969, 26'000},   {700'042, 91'670},   {700'048, 91'680},
        {999'996, 176'660},  {999'997, 176'670},  {1'999'997, 511'660}, {1'999'998, 511'670},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.t);
        const std::int32_t pay = payGivingTaxable(row.t);
        const MonthlyResult result = kouMonthly(pay, 0, -1);
        ASSERT_EQ(pay - result.incomeDeduction, row.t);
        EXPECT_EQ(result.tax, row.tax);
    }
}

TEST(KouMonthlyTax, WorkedExamples)
{
    struct Row {
        std::int32_t pay, socialInsurance, dependents;
        MonthlyResult expected;
    };
    const Row rows[] = {
        {300'000, 43'000, 2, {92'100, 95'001, 5'590}},
        {200'000, 30'000, 0, {66'000, 31'667, 5'790}},
        {1'000'000, 120'000, 3, {185'667, 126'668, 68'830}},
        {200'000, 24'271, 1, {67'719, 63'334, 3'570}},
        {200'000, 24'484, 1, {67'655, 63'334, 3'560}},
        {200'000, 22'780, 1, {68'166, 63'334, 3'660}},
        {219'257, 0, 0, {80'778, 31'667, 8'540}},
        {0, 0, 0, {54'167, 31'667, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.pay << " / " << row.socialInsurance << " / " << row.dependents);
        const MonthlyResult result = kouMonthly(row.pay, row.socialInsurance, row.dependents);
        EXPECT_EQ(result.incomeDeduction, row.expected.incomeDeduction);
        EXPECT_EQ(result.personalDeduction, row.expected.personalDeduction);
        EXPECT_EQ(result.tax, row.expected.tax);
    }
}

TEST(KouMonthlyTax, PersonalDeductionByDependents)
{
    struct Row {
        std::int32_t dependents;
        std::int32_t deduction;
    };
    const Row rows[] = {
        {-3, -63'334},
        {-1, 0},
        {0, 31'667},
        {7, 253'336},
        {67'813, 2'147'465'938},
        // From here the product leaves 32 bits; it holds at the limit.
        {67'814, INT32_MAX},
        {100'000, INT32_MAX},
        {INT32_MAX, INT32_MAX},
        {INT32_MIN, INT32_MIN},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dependents);
        EXPECT_EQ(kouMonthly(300'000, 40'000, row.dependents).personalDeduction, row.deduction);
    }
}

TEST(KouMonthlyTax, HugeDependentsWithholdNothing)
{
    // A wrapped deduction once turned this into 417,280,640 yen.
    EXPECT_EQ(kouMonthly(300'000, 40'000, 100'000).tax, 0);
    EXPECT_EQ(kouMonthly(99'999'999, 0, 99'999'999).tax, 0);
}

TEST(KouMonthlyTax, NegativeDependentsRaiseTheTax)
{
    EXPECT_GT(kouMonthly(200'000, 30'000, -2).tax, kouMonthly(200'000, 30'000, -1).tax);
    EXPECT_GT(kouMonthly(200'000, 30'000, -1).tax, kouMonthly(200'000, 30'000, 0).tax);
}

TEST(KouMonthlyTax, NonPositiveTaxableGivesZero)
{
    EXPECT_EQ(kouMonthly(54'167, 0, -1).tax, 0);           // T = 0
    EXPECT_EQ(kouMonthly(80'000, 0, 0).tax, 0);            // T < 0
    EXPECT_EQ(kouMonthly(100'000, 900'000, 0).tax, 0);     // premiums above the pay
    EXPECT_EQ(kouMonthly(-5'000'000, 0, 0).tax, 0);
}

TEST(MonthlyTax, UnknownColumnGivesZeroAndLeavesDeductionsAlone)
{
    for (std::int32_t column : {2, -1, 100, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(column);
        WithholdingTaxCalculator calculator;
        std::int32_t tax = -1;
        calculator.getMonthlyTax(300'000, 43'000, 2, 0, tax);
        ASSERT_EQ(tax, 5'590);
        calculator.getMonthlyTax(500'000, 10'000, 1, column, tax);
        EXPECT_EQ(tax, 0);
        EXPECT_EQ(calculator.tax, 0);
        EXPECT_EQ(calculator.incomeDeduction, 92'100);
        EXPECT_EQ(calculator.personalDeduction, 95'001);
        EXPECT_EQ(calculator.pay, 500'000);
        EXPECT_EQ(calculator.socialInsurance, 10'000);
        EXPECT_EQ(calculator.dependents, 1);
    }
}

TEST(MonthlyTax, FreshCalculatorIsAllZero)
{
    const WithholdingTaxCalculator calculator;
    EXPECT_EQ(calculator.pay, 0);
    EXPECT_EQ(calculator.socialInsurance, 0);
    EXPECT_EQ(calculator.previousMonthAmount, 0);
    EXPECT_EQ(calculator.incomeDeduction, 0);
    EXPECT_EQ(calculator.personalDeduction, 0);
    EXPECT_EQ(calculator.tax, 0);
    EXPECT_EQ(calculator.dependents, 0);
}

TEST(MonthlyTax, LeavesPreviousMonthAmountAlone)
{
    WithholdingTaxCalculator calculator;
    calculator.previousMonthAmount = 123;
    std::int32_t tax = 0;
    calculator.getMonthlyTax(300'000, 43'000, 2, 0, tax);
    calculator.getMonthlyTax(300'000, 43'000, 2, 1, tax);
    EXPECT_EQ(calculator.previousMonthAmount, 123);
}

}  // namespace
