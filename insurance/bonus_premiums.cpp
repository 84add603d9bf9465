// Health, nursing-care and welfare-pension premiums on a bonus rounded down to 1,000 yen.
#include "insurance/insurance_premium_calculator.h"

namespace {

// (x × R + 0.9) × 0.1 + 0.4 is x × R / 10 plus 0.49 yen, truncated.
std::int32_t bonusPremium(double x, double tenTimesRate)
{
    return static_cast<std::int32_t>((x * tenTimesRate + 0.9) * 0.1 + 0.4);
}

}  // namespace

void InsurancePremiumCalculator::computeBonusPremiums(std::int32_t nursingExempt)
{
    if (amount <= 0)
        return;
    const double x = static_cast<double>(amount / 1'000 * 1'000);
    healthPremium = bonusPremium(x, 0.41);
    pensionPremium = bonusPremium(x, 0.679);
    if (nursingExempt == 0)
        nursingPremium = bonusPremium(x, 0.0555);
}
