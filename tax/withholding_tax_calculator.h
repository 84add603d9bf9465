#pragma once

#include <cstdint>

// The withholding column passed as `column`; any other value gives a tax of 0.
inline constexpr std::int32_t kouColumn = 0;   // 甲欄
inline constexpr std::int32_t otsuColumn = 1;  // 乙欄

// Income tax withheld from one month's salary or one bonus.
class WithholdingTaxCalculator {
public:
    WithholdingTaxCalculator();
    virtual ~WithholdingTaxCalculator();

    std::int32_t pay = 0;
    std::int32_t socialInsurance = 0;
    std::int32_t previousMonthAmount = 0;
    std::int32_t incomeDeduction = 0;
    std::int32_t personalDeduction = 0;
    std::int32_t tax = 0;
    std::int32_t dependents = 0;

    void getMonthlyTax(std::int32_t pay, std::int32_t socialInsurance, std::int32_t dependents,
                       std::int32_t column, std::int32_t& tax);
    void getBonusTax(std::int32_t bonus, std::int32_t previousMonthAmount, std::int32_t socialInsurance,
                     std::int32_t dependents, std::int32_t column, std::int32_t& tax);

private:
    void computeIncomeDeduction();
    void computeKouMonthlyTax();
    void computeOtsuMonthlyTax();
    bool computeBonusTaxOutsideRateTable(std::int32_t column, std::int32_t taxableBonus);
    void computeKouBonusTax();
    void computeOtsuBonusTax();
};
