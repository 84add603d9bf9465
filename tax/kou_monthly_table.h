#pragma once

// The monthly 甲欄 method: the employment income deduction, the personal
// deduction and the five tax brackets, keyed by pay after social insurance.
#include <cstdint>
#include <limits>

inline constexpr std::int32_t noUpperLimit = std::numeric_limits<std::int32_t>::max();

// incomeDeduction = A × numerator / denominator + constant, any fraction of a
// yen rounded up; A = pay − socialInsurance.
struct IncomeDeductionRow {
    std::int32_t upTo;  // inclusive
    std::int32_t numerator;
    std::int32_t denominator;
    std::int32_t constant;
};

inline constexpr IncomeDeductionRow incomeDeductionRows[] = {
    //    A up to   rate      constant
    {     135'416,  0,  1,     54'167},
    {     149'999,  2,  5,          0},  // 40 %
    {     299'999,  3, 10,     15'000},  // 30 %
    {     549'999,  1,  5,     45'000},  // 20 %
    {     833'333,  1, 10,    100'000},  // 10 %
    {noUpperLimit,  1, 20,    141'667},  //  5 %
};

// For the employee and for each dependant.
inline constexpr std::int32_t personalDeductionPerPerson = 31'667;

// V = (T × rate − subtrahend) × 0.1 + 0.5; tax = trunc(V) × 10.
struct KouMonthlyBracket {
    std::int32_t upTo;  // inclusive
    double rate;
    double subtrahend;
};

inline constexpr KouMonthlyBracket kouMonthlyBrackets[] = {
    //      T up to   rate   subtrahend
    {      275'000,   0.08,         0.0},
    {      658'334,   0.16,    22'000.0},
    {      750'000,   0.2,     48'334.0},
    {    1'500'000,   0.3,    123'334.0},
    { noUpperLimit,   0.37,   228'334.0},
};
