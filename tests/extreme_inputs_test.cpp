// Every public operation on the extremes of int32 and on both sides of every
// bound. The native build runs this under UndefinedBehaviorSanitizer with
// float-cast-overflow, so an overflow or an out-of-range conversion aborts it.
#include "common/wrapping.h"
#include "insurance/employment_brackets.h"
#include "insurance/insurance_premium_calculator.h"
#include "tax/bonus_rate_tables.h"
#include "tax/otsu_monthly_table.h"
#include "tax/withholding_tax_calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

void addAround(std::vector<std::int32_t>& values, std::int64_t bound)
{
    for (std::int64_t v = bound - 1; v <= bound + 1; ++v)
        if (v >= INT32_MIN && v <= INT32_MAX)
            values.push_back(static_cast<std::int32_t>(v));
}

std::vector<std::int32_t> everyBound()
{
    std::vector<std::int32_t> values;
    for (std::int64_t b : {std::int64_t{INT32_MIN}, std::int64_t{INT32_MAX}, std::int64_t{0}, std::int64_t{7},
                           std::int64_t{8}, std::int64_t{-1}, std::int64_t{1'000}, std::int64_t{2'000},
                           std::int64_t{67'813}, std::int64_t{67'814}, std::int64_t{135'416}, std::int64_t{150'000},
                           std::int64_t{300'000}, std::int64_t{550'000}, std::int64_t{833'334}, std::int64_t{275'000},
                           std::int64_t{658'334}, std::int64_t{750'000}, std::int64_t{1'500'000},
                           std::int64_t{1'130'000}, std::int64_t{99'999'999}, std::int64_t{-99'999'999}})
        addAround(values, b);
    for (const OtsuMonthlyBracket& row : otsuMonthlyBrackets)
        addAround(values, row.lowerBound);
    for (const EmploymentBracket& row : employmentBrackets)
        addAround(values, row.from);
    addAround(values, 484'000);
    for (const KouBonusRateBand& band : kouBonusRateBands)
        for (std::int32_t bound : band.lowerBound)
            addAround(values, bound);
    for (const OtsuBonusRateBand& band : otsuBonusRateBands)
        addAround(values, band.lowerBound);
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

const std::vector<std::int32_t> extremes = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
const std::vector<std::int32_t> selectors = {INT32_MIN, -1, 0, 1, 2, INT32_MAX};

TEST(ExtremeInputs, MonthlyTax)
{
    const std::vector<std::int32_t> bounds = everyBound();
    auto check = [](std::int32_t pay, std::int32_t socialInsurance, std::int32_t dependents, std::int32_t column) {
        WithholdingTaxCalculator calculator;
        std::int32_t tax = 0;
        calculator.getMonthlyTax(pay, socialInsurance, dependents, column, tax);
        const bool sound = column == 0   ? tax >= 0 && tax % 10 == 0
                           : column == 1 ? tax >= 0 && tax <= std::max(wrapSub(pay, socialInsurance), 0)
                                         : tax == 0;
        // The message is built only for a failure, which it names.
        EXPECT_TRUE(sound) << "getMonthlyTax(" << pay << ", " << socialInsurance << ", " << dependents << ", "
                           << column << ") gives " << tax;
    };
    for (std::int32_t pay : extremes)
        for (std::int32_t socialInsurance : extremes)
            for (std::int32_t dependents : extremes)
                for (std::int32_t column : selectors)
                    check(pay, socialInsurance, dependents, column);
    for (std::int32_t value : bounds)
        for (std::int32_t other : extremes)
            for (std::int32_t column : {0, 1}) {
                check(value, other, 0, column);
                check(other, value, 0, column);
                check(value, 0, other, column);
                check(0, other, value, column);
            }
}

TEST(ExtremeInputs, BonusTax)
{
    const std::vector<std::int32_t> bounds = everyBound();
    auto check = [](std::int32_t bonus, std::int32_t previous, std::int32_t socialInsurance, std::int32_t dependents,
                    std::int32_t column) {
        WithholdingTaxCalculator calculator;
        std::int32_t tax = 1;
        calculator.getBonusTax(bonus, previous, socialInsurance, dependents, column, tax);
        // Never more than the bonus less its premiums, as 32-bit yen; a
        // negative count of dependants raises the monthly tax without bound.
        const bool sound = tax >= 0 && (column == 0 || column == 1 ? dependents < 0 ||
                                                                         tax <= std::max(wrapSub(bonus, socialInsurance), 0)
                                                                   : tax == 0);
        EXPECT_TRUE(sound) << "getBonusTax(" << bonus << ", " << previous << ", " << socialInsurance << ", "
                           << dependents << ", " << column << ") gives " << tax;
    };
    for (std::int32_t bonus : extremes)
        for (std::int32_t previous : extremes)
            for (std::int32_t socialInsurance : extremes)
                for (std::int32_t dependents : extremes)
                    for (std::int32_t column : selectors)
                        check(bonus, previous, socialInsurance, dependents, column);
    for (std::int32_t value : bounds)
        for (std::int32_t other : extremes)
            for (std::int32_t column : {0, 1})
                for (std::int32_t dependents : {0, 3, 7}) {
                    check(value, other, other, dependents, column);
                    check(other, value, other, dependents, column);
                    check(value, 0, other, dependents, column);
                    check(other, other, value, dependents, column);
                    check(value, other, 0, value, column);
                }
}

TEST(ExtremeInputs, EmploymentPremium)
{
    std::vector<std::int32_t> amounts = everyBound();
    for (std::int32_t amount : amounts)
        for (std::int32_t category : selectors)
            for (std::int32_t isBonus : selectors) {
                InsurancePremiumCalculator calculator;
                std::int32_t premium = 1;
                calculator.getEmploymentPremium(amount, category, isBonus, premium);
                const bool sound = category != 0 && category != 1 ? premium == 0
                                   : amount >= 0                  ? premium >= 0
                                                                  : premium <= 0;
                EXPECT_TRUE(sound) << "getEmploymentPremium(" << amount << ", " << category << ", " << isBonus
                                   << ") gives " << premium;
            }
}

TEST(ExtremeInputs, BonusPremiums)
{
    std::vector<std::int32_t> amounts = everyBound();
    for (std::int32_t amount : amounts)
        for (std::int32_t exempt : selectors) {
            InsurancePremiumCalculator calculator;
            std::int32_t health = 1, nursing = 1, pension = 1;
            calculator.getBonusPremiums(amount, exempt, health, nursing, pension);
            const bool sound = health >= 0 && nursing >= 0 && pension >= health && (exempt == 0 || nursing == 0);
            EXPECT_TRUE(sound) << "getBonusPremiums(" << amount << ", " << exempt << ") gives " << health << ", "
                               << nursing << ", " << pension;
        }
}

}  // namespace
