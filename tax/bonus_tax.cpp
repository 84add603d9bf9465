// Bonus tax: a rate chosen by the bonus less the rate-selecting amount,
// applied to the bonus less its premiums; truncated to 10 (甲欄) or 100 (乙欄) yen.
#include "tax/kou_bonus_table.h"
#include "tax/withholding_tax_calculator.h"

#include "common/wrapping.h"

void WithholdingTaxCalculator::computeKouBonusTax()
{
    const std::int32_t rateKey = wrapSub(pay, previousMonthAmount);
    const std::int32_t taxableBonus = wrapSub(pay, socialInsurance);
    double rate = 0.0;
    if (dependents >= 0 && dependents <= 7) {
        for (const BonusRateBand& band : kouBonusRateBands)
            if (rateKey >= band.lowerBound[dependents])
                rate = band.rate;
    }
    tax = static_cast<std::int32_t>((static_cast<double>(taxableBonus) * rate) * 0.1) * 10;
}

void WithholdingTaxCalculator::computeOtsuBonusTax()
{
    const std::int32_t rateKey = wrapSub(pay, previousMonthAmount);
    const std::int32_t taxableBonus = wrapSub(pay, socialInsurance);
    double rate = 0.0;
    for (const OtsuBonusBand& band : otsuBonusRateBands)
        if (rateKey >= band.lowerBound)
            rate = band.rate;
    tax = static_cast<std::int32_t>((static_cast<double>(taxableBonus) * rate) * 0.01) * 100;
}
