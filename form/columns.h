#pragma once

// The two columns of the form as working values, with the sums both the live
// totals and the calculation runs make, and the writing back in id order.
#include <cstdint>

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

// The five salary cells the user types: 201, 202 and 204 to 206.
SalaryColumn readSalaryInputs();

// Total pay from the two pays.
void sumSalaryPay(SalaryColumn& column);
// Total deductions and net pay from the premiums and the tax.
void sumSalaryDeductions(SalaryColumn& column);
void sumBonusDeductions(BonusColumn& column);

void writeSalaryColumn(const SalaryColumn& column);
void writeBonusColumn(const BonusColumn& column);
