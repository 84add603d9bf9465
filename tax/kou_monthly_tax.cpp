// Monthly 甲欄 tax: the employment income deduction, then the five-bracket
// formula on what the deductions leave.
#include "tax/kou_monthly_table.h"
#include "tax/withholding_tax_calculator.h"

#include "common/wrapping.h"

#include <cstdint>

namespace {

template <typename Row, std::size_t N>
const Row& rowFor(const Row (&rows)[N], std::int32_t key)
{
    for (const Row& row : rows)
        if (key <= row.upTo)
            return row;
    return rows[N - 1];
}

// The least whole number not below a / b, for b > 0.
std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return a / b + (a % b > 0 ? 1 : 0);
}

}  // namespace

// In integers: a double product can fall just under a whole yen and would
// then round up to one yen short.
void WithholdingTaxCalculator::computeIncomeDeduction()
{
    const std::int32_t a = wrapSub(pay, socialInsurance);
    const IncomeDeductionRow& row = rowFor(incomeDeductionRows, a);
    incomeDeduction = static_cast<std::int32_t>(ceilDiv(std::int64_t{a} * row.numerator, row.denominator) + row.constant);
}

void WithholdingTaxCalculator::computeKouMonthlyTax()
{
    const std::int32_t t = clampToInt32(std::int64_t{pay} - personalDeduction - incomeDeduction - socialInsurance);
    if (t <= 0) {
        tax = 0;
        return;
    }
    const KouMonthlyBracket& row = rowFor(kouMonthlyBrackets, t);
    // Subtracting the first bracket's 0.0 leaves the product exactly as it is.
    const double v = (static_cast<double>(t) * row.rate - row.subtrahend) * 0.1 + 0.5;
    tax = static_cast<std::int32_t>(v) * 10;
}
