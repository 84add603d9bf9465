#pragma once

#include <cstdint>

// The employment-insurance category; any other value computes no premium.
inline constexpr std::int32_t employmentCategoryA = 0;  // A欄
inline constexpr std::int32_t employmentCategoryB = 1;  // B欄
// Which rule the employment premium follows: the bracket table applies to a
// salary only. Any value but onBonus counts as a salary.
inline constexpr std::int32_t onSalary = 0;
inline constexpr std::int32_t onBonus = 1;
// Whether the bonus's nursing-care premium is due (the employee is 40 or
// older); any value but withNursingCare leaves it out.
inline constexpr std::int32_t withNursingCare = 0;
inline constexpr std::int32_t withoutNursingCare = 1;

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
    // What the premiums were made of, kept so that they can be explained.
    std::int32_t employmentBracket = -1;  // in employmentBrackets; -1: by the rate
    std::int32_t standardBonus = 0;       // the bonus rounded down to 1,000 yen

    void getEmploymentPremium(std::int32_t amount, std::int32_t category, std::int32_t isBonus,
                              std::int32_t& premium);
    void getBonusPremiums(std::int32_t amount, std::int32_t nursingExempt, std::int32_t& health,
                          std::int32_t& nursing, std::int32_t& pension);

private:
    void computeEmploymentPremium(std::int32_t category, std::int32_t isBonus);
    void computeBonusPremiums(std::int32_t nursingExempt);
};
