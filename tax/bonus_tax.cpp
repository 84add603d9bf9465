// Bonus tax: a rate chosen by the previous month's pay after its social
// insurance, applied to the bonus less its premiums; truncated to 10 (甲欄)
// or 100 (乙欄) yen. Never below 0.
#include "tax/kou_bonus_table.h"
#include "tax/withholding_tax_calculator.h"

#include "common/wrapping.h"

#include <algorithm>

// After a month without pay, or for a bonus over ten times that pay, a rate
// chosen by the month would be meaningless: the tax is then six times the
// rise of the monthly tax when a sixth of the bonus is added to the month.
bool WithholdingTaxCalculator::computeBonusTaxOutsideRateTable(std::int32_t column, std::int32_t taxableBonus)
{
    if (taxableBonus <= 0) {
        tax = 0;
        return true;
    }
    if (previousMonthAmount > 0 && taxableBonus <= std::int64_t{previousMonthAmount} * 10)
        return false;
    const std::int32_t month = std::max(previousMonthAmount, 0);
    const std::int32_t monthWithSixth = clampToInt32(std::int64_t{month} + taxableBonus / 6);
    // A calculator of its own, so the bonus call leaves the deductions alone.
    WithholdingTaxCalculator monthly;
    std::int32_t withSixth = 0;
    std::int32_t without = 0;
    monthly.getMonthlyTax(monthWithSixth, 0, dependents, column, withSixth);
    monthly.getMonthlyTax(month, 0, dependents, column, without);
    tax = clampToInt32(std::max<std::int64_t>((std::int64_t{withSixth} - without) * 6, 0));
    return true;
}

void WithholdingTaxCalculator::computeKouBonusTax()
{
    const std::int32_t taxableBonus = wrapSub(pay, socialInsurance);
    if (computeBonusTaxOutsideRateTable(0, taxableBonus))
        return;
    double rate = 0.0;
    if (dependents >= 0) {
        const std::int32_t column = std::min(dependents, 7);  // the last column is "7 or more"
        for (const BonusRateBand& band : kouBonusRateBands)
            if (previousMonthAmount >= band.lowerBound[column])
                rate = band.rate;
    }
    tax = static_cast<std::int32_t>((static_cast<double>(taxableBonus) * rate) * 0.1) * 10;
}

void WithholdingTaxCalculator::computeOtsuBonusTax()
{
    const std::int32_t taxableBonus = wrapSub(pay, socialInsurance);
    if (computeBonusTaxOutsideRateTable(1, taxableBonus))
        return;
    double rate = 0.0;
    for (const OtsuBonusBand& band : otsuBonusRateBands)
        if (previousMonthAmount >= band.lowerBound)
            rate = band.rate;
    tax = static_cast<std::int32_t>((static_cast<double>(taxableBonus) * rate) * 0.01) * 100;
}
