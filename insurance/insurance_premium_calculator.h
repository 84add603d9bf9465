#pragma once

#include <cstdint>

// The employee's share of employment insurance on a salary or a bonus, and
// of health, nursing-care and welfare-pension insurance on a bonus.
class InsurancePremiumCalculator {
public:
    InsurancePremiumCalculator();
    virtual ~InsurancePremiumCalculator();

    std::int32_t amount = 0;
    std::int32_t healthPremium = 0;
    std::int32_t nursingPremium = 0;
    std::int32_t pensionPremium = 0;
    std::int32_t employmentPremium = 0;

    void getEmploymentPremium(std::int32_t amount, std::int32_t category, std::int32_t isBonus,
                              std::int32_t& premium);
    void getBonusPremiums(std::int32_t amount, std::int32_t nursingExempt, std::int32_t& health,
                          std::int32_t& nursing, std::int32_t& pension);

private:
    void computeEmploymentPremium(std::int32_t category, std::int32_t isBonus);
    void computeBonusPremiums(std::int32_t nursingExempt);
};
