// Health, nursing-care and welfare-pension premiums on a bonus rounded down to
// 1,000 yen, up to the standard bonus amount's ceiling for each payment.
#include "insurance/insurance_premium_calculator.h"

#include <algorithm>

namespace {

constexpr std::int32_t healthCeiling = 2'000'000;  // also the nursing-care premium's
constexpr std::int32_t pensionCeiling = 1'500'000;

// (x × R + 0.9) × 0.1 + 0.4 is x × R / 10 plus 0.49 yen, truncated.
std::int32_t bonusPremium(std::int32_t rounded, std::int32_t ceiling, double tenTimesRate)
{
    const double x = static_cast<double>(std::min(rounded, ceiling));
    return static_cast<std::int32_t>((x * tenTimesRate + 0.9) * 0.1 + 0.4);
}

}  // namespace

void InsurancePremiumCalculator::computeBonusPremiums(std::int32_t nursingExempt)
{
    if (amount <= 0)
        return;
    const std::int32_t rounded = amount / 1'000 * 1'000;
    healthPremium = bonusPremium(rounded, healthCeiling, 0.41);
    pensionPremium = bonusPremium(rounded, pensionCeiling, 0.679);
    if (nursingExempt == 0)
        nursingPremium = bonusPremium(rounded, healthCeiling, 0.0555);
}
