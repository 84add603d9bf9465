#pragma once

// The form's figures as plain values, free of any platform: what the clerk
// enters, the two columns that a calculation fills, and the sums in them.
#include <cstdint>

#include "insurance/insurance_premium_calculator.h"
#include "tax/withholding_tax_calculator.h"

// The seven input cells as read and the options as set.
struct FormInputs {
    std::int32_t taxablePay = 0;     // 給与 課税支給額
    std::int32_t nonTaxablePay = 0;  // 給与 非課税支給額
    std::int32_t health = 0;         // 給与 健康保険料
    std::int32_t nursing = 0;        // 給与 介護費用保険料
    std::int32_t pension = 0;        // 給与 厚生保険
    std::int32_t bonus = 0;          // 賞与 課税支給額
    std::int32_t dependents = 0;     // 扶養家族数
    bool age40 = true;               // 満40歳以上
    bool employmentInsured = true;   // 雇用保険対象
    bool kou = true;                 // 甲欄; otherwise 乙欄
    bool categoryA = true;           // A欄; otherwise B欄
};

struct SalaryColumn {
    std::int32_t taxablePay = 0;      // 201
    std::int32_t nonTaxablePay = 0;   // 202
    std::int32_t totalPay = 0;        // 203
    std::int32_t health = 0;          // 204
    std::int32_t nursing = 0;         // 205
    std::int32_t pension = 0;         // 206
    std::int32_t employment = 0;      // 207
    std::int32_t tax = 0;             // 208
    std::int32_t totalDeductions = 0; // 209
    std::int32_t netPay = 0;          // 210
    // The calculators as the run left them: what made each figure.
    InsurancePremiumCalculator premiums;
    WithholdingTaxCalculator taxes;
};

struct BonusColumn {
    std::int32_t bonus = 0;           // 211
    std::int32_t health = 0;          // 212
    std::int32_t nursing = 0;         // 213
    std::int32_t pension = 0;         // 214
    std::int32_t employment = 0;      // 215
    std::int32_t tax = 0;             // 216
    std::int32_t totalDeductions = 0; // 217
    std::int32_t netPay = 0;          // 218
    InsurancePremiumCalculator premiums;
    WithholdingTaxCalculator taxes;
};

// The calculators' selectors for the options as set.
std::int32_t taxColumnOf(const FormInputs& form);
std::int32_t employmentCategoryOf(const FormInputs& form);

// The salary's four premiums: its tax base's deduction, and what makes its
// pay after social insurance the previous month's for the bonus.
std::int32_t salarySocialInsurance(const SalaryColumn& salary);

// The two calculation runs, salary first: the bonus run takes the salary
// column just computed as last month's pay. Each owns its calculators for
// the run alone, so nothing is kept from one calculation to the next; the
// column it returns holds them as they were left.
SalaryColumn runSalaryCalculation(const FormInputs& form);
BonusColumn runBonusCalculation(const FormInputs& form, const SalaryColumn& salary);
