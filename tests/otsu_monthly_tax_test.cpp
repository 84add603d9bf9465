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
        // Low range: 5 % rounded down to 100 yen, never below zero.
        {-4'000, 0}, {-2'000, 0}, {-1'999, 0}, {0, 0}, {1'999, 0}, {2'000, 100}, {3'999, 100},
        {86'000, 4'300}, {86'999, 4'300},
        // Table range, at the seams of its lines and odd widths.
        {87'000, 4'900}, {90'999, 4'900}, {91'000, 5'000}, {98'000, 5'500}, {100'999, 5'500},
        {101'000, 5'700}, {220'999, 20'900}, {221'000, 21'400}, {239'000, 26'200}, {241'999, 26'200},
        {242'000, 27'000}, {244'999, 27'000}, {245'000, 27'700}, {842'000, 264'200}, {844'999, 264'200},
        {845'000, 265'500}, {850'999, 265'500}, {851'000, 266'900}, {968'000, 319'700}, {970'999, 319'700},
        {971'000, 321'000}, {974'000, 323'700}, {979'999, 323'700}, {980'000, 325'100}, {983'000, 326'400},
        {985'999, 326'400}, {986'000, 327'800}, {989'000, 329'200}, {1'129'999, 391'400},
        // Top range: two separate products fall short at whole hundreds.
        {1'130'000, 392'800}, {1'130'285, 392'800}, {1'130'286, 392'900}, {1'133'000, 393'800},
        {1'152'000, 400'400}, {1'172'000, 407'400}, {1'174'000, 408'100}, {99'999'999, 34'997'200},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(otsuMonthly(row.key, 0), row.tax);
        EXPECT_EQ(otsuMonthly(row.key + 55'555, 55'555, 3), row.tax);
    }
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
