// Employment insurance: the bracket table for a salary inside it, a flat rate otherwise.
#include "insurance/employment_brackets.h"
#include "insurance/insurance_premium_calculator.h"

void InsurancePremiumCalculator::computeEmploymentPremium(std::int32_t category, std::int32_t isBonus)
{
    if (category != 0 && category != 1)
        return;
    if (isBonus != 1 && amount >= employmentBrackets[0].from) {
        for (const EmploymentBracket& bracket : employmentBrackets) {
            if (amount <= bracket.to) {
                employmentPremium = category == 0 ? bracket.premiumA : bracket.premiumB;
                return;
            }
        }
    }
    const double rate = category == 0 ? 0.007 : 0.008;
    employmentPremium = static_cast<std::int32_t>(static_cast<double>(amount) * rate);
}
