// Monthly 甲欄 tax: the employment income deduction, then the five-bracket
// formula on what the deductions leave.
#include "tax/kou_monthly_table.h"
#include "tax/withholding_tax_calculator.h"

#include "common/wrapping.h"

#include <cstdint>

namespace {

// The first row whose upper bound the key does not pass.
template <typename Row, std::size_t N>
std::int32_t rowFor(const Row (&rows)[N], std::int32_t key)
{
    for (std::size_t i = 0; i < N; ++i)
        if (key <= rows[i].upTo)
            return static_cast<std::int32_t>(i);
    return static_cast<std::int32_t>(N - 1);
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
    afterInsurance = wrapSub(pay, socialInsurance);
    incomeDeductionRow = rowFor(incomeDeductionRows, afterInsurance);
    const IncomeDeductionRow& row = incomeDeductionRows[incomeDeductionRow];
    incomeDeduction =
        static_cast<std::int32_t>(ceilDiv(std::int64_t{afterInsurance} * row.numerator, row.denominator) + row.constant);
}

void WithholdingTaxCalculator::computeKouMonthlyTax()
{
    taxableIncome = clampToInt32(std::int64_t{pay} - personalDeduction - incomeDeduction - socialInsurance);
    if (taxableIncome <= 0) {
        tax = 0;
        return;
    }
    kouBracket = rowFor(kouMonthlyBrackets, taxableIncome);
    const KouMonthlyBracket& row = kouMonthlyBrackets[kouBracket];
    // Subtracting the first bracket's 0.0 leaves the product exactly as it is.
    const double v = (static_cast<double>(taxableIncome) * row.rate - row.subtrahend) * 0.1 + 0.5;
    tax = static_cast<std::int32_t>(v) * 10;
}
