// Monthly 乙欄 tax: 5 % below the table, the table, then 35 % on the excess.
#include "tax/otsu_monthly_table.h"
#include "tax/withholding_tax_calculator.h"

#include "common/wrapping.h"

#include <algorithm>
#include <iterator>

void WithholdingTaxCalculator::computeOtsuMonthlyTax()
{
    const std::int32_t payAfterInsurance = wrapSub(pay, socialInsurance);
    if (payAfterInsurance < 0) {
        tax = 0;  // premiums above the pay leave nothing to tax, not a refund
    } else if (payAfterInsurance <= 86'999) {
        tax = static_cast<std::int32_t>(static_cast<double>(payAfterInsurance) * 0.0005) * 100;
    } else if (payAfterInsurance <= 1'129'999) {
        const auto above = std::upper_bound(otsuMonthlyBrackets.begin(), otsuMonthlyBrackets.end(), payAfterInsurance,
                                            [](std::int32_t k, const OtsuMonthlyBracket& b) { return k < b.lowerBound; });
        tax = std::prev(above)->taxAmount;
    } else {
        const std::int32_t excess = payAfterInsurance - 1'130'000;
        // Two products in this order: a single 0.0035 would round 1,152,000 up by 100.
        const std::int32_t t = static_cast<std::int32_t>((static_cast<double>(excess) * 0.35) * (-0.01));
        tax = (3'928 - t) * 100;
    }
}
