// Monthly 乙欄 tax: a percentage below the table, the table, then the base
// plus a percentage of the excess above it.
#include "tax/otsu_monthly_table.h"
#include "tax/withholding_tax_calculator.h"

#include "common/wrapping.h"

#include <algorithm>
#include <iterator>

// Both ends in integers: tax withheld drops only the fraction of a yen, and
// a double product can fall just under the whole yen it stands for.
void WithholdingTaxCalculator::computeOtsuMonthlyTax()
{
    const std::int32_t payAfterInsurance = afterInsurance = wrapSub(pay, socialInsurance);
    otsuBracket = -1;
    if (payAfterInsurance < 0) {
        tax = 0;  // premiums above the pay leave nothing to tax, not a refund
    } else if (payAfterInsurance < otsuTableFirst) {
        tax = payAfterInsurance * otsuBelowTablePercent / 100;  // below 87,000: no overflow
    } else if (payAfterInsurance <= otsuTableLast) {
        const auto above = std::upper_bound(otsuMonthlyBrackets.begin(), otsuMonthlyBrackets.end(), payAfterInsurance,
                                            [](std::int32_t k, const OtsuMonthlyBracket& b) { return k < b.lowerBound; });
        otsuBracket = static_cast<std::int32_t>(std::prev(above) - otsuMonthlyBrackets.begin());
        tax = otsuMonthlyBrackets[otsuBracket].taxAmount;
    } else {
        const std::int64_t excess = std::int64_t{payAfterInsurance} - (otsuTableLast + 1);
        tax = static_cast<std::int32_t>(otsuAboveTableBase + excess * otsuAboveTablePercent / 100);
    }
}
