// Employment insurance: the bracket table for a salary inside it, a flat rate otherwise.
#include "insurance/employment_brackets.h"
#include "insurance/insurance_premium_calculator.h"

#include <algorithm>
#include <iterator>

void InsurancePremiumCalculator::getEmploymentPremium(std::int32_t amount, std::int32_t category,
                                                      std::int32_t isBonus, std::int32_t& premium)
{
    this->amount = amount;
    computeEmploymentPremium(category, isBonus);
    premium = employmentPremium;
}

void InsurancePremiumCalculator::computeEmploymentPremium(std::int32_t category, std::int32_t isBonus)
{
    if (category != employmentCategoryA && category != employmentCategoryB)
        return;
    constexpr EmploymentBracket first = employmentBrackets[0];
    constexpr EmploymentBracket last = std::end(employmentBrackets)[-1];
    if (isBonus != onBonus && amount >= first.from && amount <= last.to) {
        const EmploymentBracket* bracket = std::lower_bound(
            std::begin(employmentBrackets), std::end(employmentBrackets), amount,
            [](const EmploymentBracket& b, std::int32_t a) { return b.to < a; });
        employmentBracket = static_cast<std::int32_t>(bracket - std::begin(employmentBrackets));
        employmentPremium = category == employmentCategoryA ? bracket->premiumA : bracket->premiumB;
        return;
    }
    employmentBracket = -1;
    const double rate = category == employmentCategoryA ? employmentRateA : employmentRateB;
    employmentPremium = static_cast<std::int32_t>(static_cast<double>(amount) * rate);
}
