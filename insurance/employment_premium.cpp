// Employment insurance: the bracket table for a salary inside it, a flat rate otherwise.
#include "insurance/employment_brackets.h"
#include "insurance/insurance_premium_calculator.h"

#include <algorithm>
#include <iterator>

void InsurancePremiumCalculator::computeEmploymentPremium(std::int32_t category, std::int32_t isBonus)
{
    if (category != 0 && category != 1)
        return;
    constexpr EmploymentBracket first = employmentBrackets[0];
    constexpr EmploymentBracket last = std::end(employmentBrackets)[-1];
    if (isBonus != 1 && amount >= first.from && amount <= last.to) {
        const EmploymentBracket& bracket = *std::lower_bound(
            std::begin(employmentBrackets), std::end(employmentBrackets), amount,
            [](const EmploymentBracket& b, std::int32_t a) { return b.to < a; });
        employmentPremium = category == 0 ? bracket.premiumA : bracket.premiumB;
        return;
    }
    const double rate = category == 0 ? 0.007 : 0.008;
    employmentPremium = static_cast<std::int32_t>(static_cast<double>(amount) * rate);
}
