#include "insurance/insurance_premium_calculator.h"

#include "common/strict_double.h"

InsurancePremiumCalculator::InsurancePremiumCalculator() = default;

InsurancePremiumCalculator::~InsurancePremiumCalculator() = default;

void InsurancePremiumCalculator::getEmploymentPremium(std::int32_t amount, std::int32_t category,
                                                      std::int32_t isBonus, std::int32_t& premium)
{
    this->amount = amount;
    computeEmploymentPremium(category, isBonus);
    premium = employmentPremium;
}

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
