// Monthly tax: the 甲欄 method (employment income deduction, personal
// deduction, the five-bracket formula), or the 乙欄 table.
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

void WithholdingTaxCalculator::getMonthlyTax(std::int32_t pay, std::int32_t socialInsurance,
                                             std::int32_t dependents, std::int32_t column,
                                             std::int32_t& tax)
{
    this->pay = pay;
    this->socialInsurance = socialInsurance;
    this->dependents = dependents;
    if (column == kouColumn) {
        computeIncomeDeduction();
        // Widened and clamped: a wrapped deduction would turn an absurd
        // dependents count into an absurd tax instead of none.
        personalDeduction = clampToInt32((std::int64_t{dependents} + 1) * personalDeductionPerPerson);
        computeKouMonthlyTax();
    } else if (column == otsuColumn) {
        computeOtsuMonthlyTax();
    } else {
        this->tax = 0;
    }
    tax = this->tax;
}

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
