#include "tax/withholding_tax_calculator.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::int32_t otsuMonthly(std::int32_t pay, std::int32_t socialInsurance, std::int32_t dependents = 0)
{
    WithholdingTaxCalculator calculator;
    std::int32_t tax = -1;
    calculator.getMonthlyTax(pay, socialInsurance, dependents, 1, tax);
    EXPECT_EQ(tax, calculator.tax);
    return tax;
}

TEST(OtsuMonthlyTax, ByPayAfterInsurance)
{
    struct Row {
        std::int32_t key;
        std::int32_t tax;
    };
    const Row rows[] = {
        // Below the table: 5 %, the fraction of a yen dropped, never below zero.
        {-4'000, 0}, {-1, 0}, {0, 0}, {19, 0}, {20, 1}, {1'999, 99}, {2'000, 100}, {50'123, 2'506},
        {86'000, 4'300}, {86'999, 4'349},
        // Table range, at the seams of its lines and odd widths.
        {87'000, 4'900}, {90'999, 4'900}, {91'000, 5'000}, {98'000, 5'500}, {100'999, 5'500},
        {101'000, 5'700}, {220'999, 20'900}, {221'000, 21'400}, {239'000, 26'200}, {241'999, 26'200},
        {242'000, 27'000}, {244'999, 27'000}, {245'000, 27'700}, {842'000, 264'200}, {844'999, 264'200},
        {845'000, 265'500}, {850'999, 265'500}, {851'000, 266'900}, {968'000, 319'700}, {970'999, 319'700},
        {971'000, 321'000}, {974'000, 323'700}, {979'999, 323'700}, {980'000, 325'100}, {983'000, 326'400},
        {985'999, 326'400}, {986'000, 327'800}, {989'000, 329'200}, {1'129'999, 391'400},
        // Above the table: 392,800 and 35 % of the excess, the fraction of a yen dropped.
        {1'130'000, 392'800}, {1'130'002, 392'800}, {1'130'003, 392'801}, {1'130'285, 392'899},
        {1'133'000, 393'850}, {1'152'000, 400'500}, {1'234'567, 429'398}, {1'300'000, 452'300},
        {99'999'999, 34'997'299}, {INT32_MAX, 751'616'576},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(otsuMonthly(row.key, 0), row.tax);
        if (row.key <= INT32_MAX - 55'555) {
            EXPECT_EQ(otsuMonthly(row.key + 55'555, 55'555, 3), row.tax);
        }
    }
}

// Every key the form can reach, the monthly-table method's month plus a sixth
// of a bonus included, against exact integer arithmetic at both ends.
TEST(OtsuMonthlyTax, BothEndsAreExactForEveryKey)
{
    WithholdingTaxCalculator calculator;
    std::int32_t tax = 0, wrong = 0;
    for (std::int32_t key = -1'000; key <= 200'000'000; key = key == 86'999 ? 1'130'000 : key + 1) {
        const std::int64_t expected = key < 0        ? 0
                                      : key < 87'000 ? key * 5 / 100
                                                     : 392'800 + (key - 1'130'000) * std::int64_t{35} / 100;
        calculator.getMonthlyTax(key, 0, 0, otsuColumn, tax);
        if (tax != expected && wrong++ < 5)
            ADD_FAILURE() << "key " << key << " gives " << tax << ", not " << expected;
    }
    EXPECT_EQ(wrong, 0);
}

TEST(OtsuMonthlyTax, DependsOnPayAfterInsuranceOnly)
{
    EXPECT_EQ(otsuMonthly(350'000, 50'000), 41'400);
    EXPECT_EQ(otsuMonthly(300'000, 0), 41'400);
    for (std::int32_t dependents : {-5, 0, 1, 7, 8, 99'999'999})
        EXPECT_EQ(otsuMonthly(300'000, 0, dependents), 41'400) << dependents;
}

TEST(OtsuMonthlyTax, LeavesTheKouFieldsAlone)
{
    WithholdingTaxCalculator calculator;
    std::int32_t tax = 0;
    calculator.getMonthlyTax(300'000, 43'000, 2, 0, tax);
    calculator.getMonthlyTax(700'000, 10'000, 5, 1, tax);
    EXPECT_EQ(calculator.incomeDeduction, 92'100);
    EXPECT_EQ(calculator.personalDeduction, 95'001);
    EXPECT_EQ(calculator.dependents, 5);
}

}  // namespace
