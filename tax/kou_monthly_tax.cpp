// Monthly 甲欄 tax: employment income deduction, then the five-bracket formula.
#include "tax/withholding_tax_calculator.h"

#include "common/wrapping.h"

#include <cstdint>
#include <limits>

namespace {

constexpr std::int32_t noLimit = std::numeric_limits<std::int32_t>::max();

// incomeDeduction = trunc(A × rate + constant), A = pay − socialInsurance.
struct IncomeDeductionRow {
    std::int32_t upTo;  // inclusive
    double rate;
    double constant;
};

constexpr IncomeDeductionRow incomeDeductionRows[] = {
    //  A up to     rate   constant
    {   135'416,    0.0,    54'167.0},
    {   149'999,    0.4,         0.9},
    {   299'999,    0.3,    15'000.9},
    {   549'999,    0.2,    45'000.9},
    {   833'333,    0.1,   100'000.9},
    {  noLimit,    0.05,  141'667.9},
};

// V = (T × rate − subtrahend) × 0.1 + 0.5; tax = trunc(V) × 10.
struct KouBracket {
    std::int32_t upTo;  // inclusive
    double rate;
    double subtrahend;
};

constexpr KouBracket kouBrackets[] = {
    //  T up to      rate   subtrahend
    {   275'000,     0.08,        0.0},
    {   658'334,     0.16,   22'000.0},
    {   750'000,     0.2,    48'334.0},
    { 1'500'000,     0.3,   123'334.0},
    {  noLimit,     0.37,  228'334.0},
};

template <typename Row, std::size_t N>
const Row& rowFor(const Row (&rows)[N], std::int32_t key)
{
    for (const Row& row : rows)
        if (key <= row.upTo)
            return row;
    return rows[N - 1];
}

}  // namespace

void WithholdingTaxCalculator::computeIncomeDeduction()
{
    const std::int32_t a = wrapSub(pay, socialInsurance);
    const IncomeDeductionRow& row = rowFor(incomeDeductionRows, a);
    incomeDeduction = static_cast<std::int32_t>(static_cast<double>(a) * row.rate + row.constant);
}

void WithholdingTaxCalculator::computeKouMonthlyTax()
{
    const std::int32_t t = clampToInt32(std::int64_t{pay} - personalDeduction - incomeDeduction - socialInsurance);
    if (t <= 0) {
        tax = 0;
        return;
    }
    const KouBracket& row = rowFor(kouBrackets, t);
    // Subtracting the first bracket's 0.0 leaves the product exactly as it is.
    const double v = (static_cast<double>(t) * row.rate - row.subtrahend) * 0.1 + 0.5;
    tax = static_cast<std::int32_t>(v) * 10;
}
