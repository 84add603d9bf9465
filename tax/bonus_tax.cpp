// Bonus tax: a rate chosen by the previous month's pay after its social
// insurance, applied to the bonus less its premiums, any fraction of a yen
// dropped; after a month without pay, or for a bonus over ten times it, the
// monthly-table method. Never below 0.
#include "tax/bonus_rate_tables.h"
#include "tax/withholding_tax_calculator.h"

#include "common/wrapping.h"

#include <algorithm>

void WithholdingTaxCalculator::computeBonusTax(std::int32_t column)
{
    afterInsurance = wrapSub(pay, socialInsurance);
    if (afterInsurance <= 0) {
        bonusMethod = bonusNothingToTax;
        tax = 0;
    } else if (previousMonthAmount <= 0 || afterInsurance > std::int64_t{previousMonthAmount} * 10) {
        bonusMethod = bonusByMonthlyTable;
        computeBonusTaxByMonthlyTable(column);
    } else {
        bonusMethod = bonusByRateTable;
        if (column == kouColumn)
            computeKouBonusTax();
        else
            computeOtsuBonusTax();
        // In integers, since every rate is a whole percent: a double would
        // decide the yen wherever the product falls just under it.
        tax = static_cast<std::int32_t>(std::int64_t{afterInsurance} * bonusPercent / 100);
    }
}

// After a month without pay, or for a bonus over ten times that pay, a rate
// chosen by the month would be meaningless: the tax is then six times the
// rise of the monthly tax when a sixth of the bonus is added to the month.
void WithholdingTaxCalculator::computeBonusTaxByMonthlyTable(std::int32_t column)
{
    const std::int32_t month = std::max(previousMonthAmount, 0);
    monthWithSixth = clampToInt32(std::int64_t{month} + afterInsurance / 6);
    // A calculator of its own, so the bonus call leaves the deductions alone.
    WithholdingTaxCalculator monthly;
    monthly.dependents = dependents;
    monthly.pay = monthWithSixth;
    monthly.computeMonthlyTax(column);
    taxWithSixth = monthly.tax;
    monthly.pay = month;
    monthly.computeMonthlyTax(column);
    taxOfMonth = monthly.tax;
    tax = clampToInt32(std::max<std::int64_t>((std::int64_t{taxWithSixth} - taxOfMonth) * 6, 0));
}

// The rate tables: the last band whose lower bound the month reaches.
void WithholdingTaxCalculator::computeKouBonusTax()
{
    bonusPercent = 0;
    if (dependents < 0)
        return;
    const std::int32_t column = std::min(dependents, 7);  // the last column is "7 or more"
    for (const KouBonusRateBand& band : kouBonusRateBands)
        if (previousMonthAmount >= band.lowerBound[column])
            bonusPercent = band.percent;
}

void WithholdingTaxCalculator::computeOtsuBonusTax()
{
    for (const OtsuBonusRateBand& band : otsuBonusRateBands)
        if (previousMonthAmount >= band.lowerBound)
            bonusPercent = band.percent;
}
