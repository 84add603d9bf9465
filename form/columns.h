#pragma once

// The form's figures as plain values, free of any platform: what the clerk
// enters, the two columns that a calculation fills, and the sums in them.
#include <cstdint>

// The seven input cells as read and the options as set.
struct FormInputs {
    std::int32_t taxablePay = 0;     // 201
    std::int32_t nonTaxablePay = 0;  // 202
    std::int32_t health = 0;         // 204
    std::int32_t nursing = 0;        // 205
    std::int32_t pension = 0;        // 206
    std::int32_t bonus = 0;          // 211
    std::int32_t dependents = 0;     // 219
    bool age40 = true;               // 305 満40歳以上
    bool employmentInsured = true;   // 306 雇用保険対象
    bool kou = true;                 // 307 甲欄; otherwise 乙欄
    bool categoryA = true;           // 309 A欄; otherwise B欄
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
};

// Total pay from the two pays.
void sumSalaryPay(SalaryColumn& column);
// Total deductions and net pay from the premiums and the tax.
void sumSalaryDeductions(SalaryColumn& column);
void sumBonusDeductions(BonusColumn& column);

// The two calculation runs, salary first: the bonus run takes the salary
// column just computed as last month's pay. Each owns its calculators for
// the run alone, so nothing is kept from one calculation to the next.
SalaryColumn runSalaryCalculation(const FormInputs& form);
BonusColumn runBonusCalculation(const FormInputs& form, const SalaryColumn& salary);
