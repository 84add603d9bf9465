#pragma once

#include <cstdint>

// The withholding column passed as `column`; any other value gives a tax of 0.
inline constexpr std::int32_t kouColumn = 0;   // 甲欄
inline constexpr std::int32_t otsuColumn = 1;  // 乙欄

// How a bonus tax was found, in `bonusMethod`.
inline constexpr std::int32_t bonusNothingToTax = 0;    // the bonus less its premiums is 0 or less
inline constexpr std::int32_t bonusByRateTable = 1;     // a rate chosen by last month's pay
inline constexpr std::int32_t bonusByMonthlyTable = 2;  // six times the rise of the monthly tax

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

    // What the tax was made of, kept so that it can be explained.
    std::int32_t afterInsurance = 0;      // the pay or the bonus less its social insurance
    std::int32_t incomeDeductionRow = 0;  // in incomeDeductionRows
    std::int32_t taxableIncome = 0;       // 甲欄: what every deduction leaves
    std::int32_t kouBracket = 0;          // in kouMonthlyBrackets, when taxableIncome > 0
    std::int32_t otsuBracket = -1;        // in otsuMonthlyBrackets; -1 outside the table
    std::int32_t bonusMethod = bonusNothingToTax;
    std::int32_t bonusPercent = 0;        // the rate table's
    std::int32_t monthWithSixth = 0;      // the monthly-table method: last month plus a sixth of the bonus
    std::int32_t taxWithSixth = 0;        // its monthly tax
    std::int32_t taxOfMonth = 0;          // last month's alone

    void getMonthlyTax(std::int32_t pay, std::int32_t socialInsurance, std::int32_t dependents,
                       std::int32_t column, std::int32_t& tax);
    void getBonusTax(std::int32_t bonus, std::int32_t previousMonthAmount, std::int32_t socialInsurance,
                     std::int32_t dependents, std::int32_t column, std::int32_t& tax);

private:
    void computeMonthlyTax(std::int32_t column);
    void computeIncomeDeduction();
    void computeKouMonthlyTax();
    void computeOtsuMonthlyTax();
    void computeBonusTax(std::int32_t column);
    void computeBonusTaxByMonthlyTable(std::int32_t column);
    void computeKouBonusTax();
    void computeOtsuBonusTax();
};
