// The monthly tax of either column on the fields as stored: for a month's
// salary, and twice for the monthly-table method of a bonus.
#include "tax/kou_monthly_table.h"
#include "tax/withholding_tax_calculator.h"

#include "common/wrapping.h"

void WithholdingTaxCalculator::computeMonthlyTax(std::int32_t column)
{
    if (column == kouColumn) {
        computeIncomeDeduction();
        // Widened and clamped: a wrapped deduction would turn an absurd
        // dependents count into an absurd tax instead of none.
        personalDeduction = clampToInt32((std::int64_t{dependents} + 1) * personalDeductionPerPerson);
        computeKouMonthlyTax();
    } else if (column == otsuColumn) {
        computeOtsuMonthlyTax();
    } else {
        tax = 0;
    }
}
