// The calculator's two operations: each stores its arguments, runs the
// computation of the column asked for, and hands back the tax.
#include "tax/withholding_tax_calculator.h"

#include "tax/kou_monthly_table.h"

#include "common/wrapping.h"

WithholdingTaxCalculator::WithholdingTaxCalculator() = default;

WithholdingTaxCalculator::~WithholdingTaxCalculator() = default;

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

void WithholdingTaxCalculator::getBonusTax(std::int32_t bonus, std::int32_t previousMonthAmount,
                                           std::int32_t socialInsurance, std::int32_t dependents,
                                           std::int32_t column, std::int32_t& tax)
{
    pay = bonus;
    this->previousMonthAmount = previousMonthAmount;
    this->socialInsurance = socialInsurance;
    this->dependents = dependents;
    if (column == kouColumn)
        computeKouBonusTax();
    else if (column == otsuColumn)
        computeOtsuBonusTax();
    else
        this->tax = 0;
    tax = this->tax;
}
