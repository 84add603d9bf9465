// Health, nursing-care and welfare-pension premiums on a bonus rounded down to
// 1,000 yen, up to the standard bonus amount's ceiling for each payment.
#include "insurance/bonus_premium_rates.h"
#include "insurance/insurance_premium_calculator.h"

#include <algorithm>

namespace {

// (x × R + 0.9) × 0.1 + 0.4 is x × R / 10 plus 0.49 yen, truncated.
std::int32_t bonusPremium(std::int32_t rounded, const BonusPremiumRate& rate)
{
    const double x = static_cast<double>(std::min(rounded, rate.ceiling));
    return static_cast<std::int32_t>((x * rate.tenTimesRate + 0.9) * 0.1 + 0.4);
}

}  // namespace

void InsurancePremiumCalculator::getBonusPremiums(std::int32_t amount, std::int32_t nursingExempt,
                                                  std::int32_t& health, std::int32_t& nursing,
                                                  std::int32_t& pension)
{
    this->amount = amount;
    computeBonusPremiums(nursingExempt);
    health = healthPremium;
    nursing = nursingPremium;
    pension = pensionPremium;
}

void InsurancePremiumCalculator::computeBonusPremiums(std::int32_t nursingExempt)
{
    if (amount <= 0)
        return;
    standardBonus = amount / 1'000 * 1'000;
    healthPremium = bonusPremium(standardBonus, healthRate);
    pensionPremium = bonusPremium(standardBonus, pensionRate);
    if (nursingExempt == withNursingCare)
        nursingPremium = bonusPremium(standardBonus, nursingRate);
}
