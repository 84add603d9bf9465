#include "insurance/insurance_premium_calculator.h"

#include "common/strict_double.h"

InsurancePremiumCalculator::InsurancePremiumCalculator() = default;

InsurancePremiumCalculator::~InsurancePremiumCalculator() = default;
