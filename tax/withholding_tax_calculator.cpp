// The calculator's two operations: each stores its arguments, runs the
// computation of the column asked for, and hands back the tax.
#include "tax/withholding_tax_calculator.h"

WithholdingTaxCalculator::WithholdingTaxCalculator() = default;

WithholdingTaxCalculator::~WithholdingTaxCalculator() = default;

void WithholdingTaxCalculator::getMonthlyTax(std::int32_t pay, std::int32_t socialInsurance,
                                             std::int32_t dependents, std::int32_t column,
                                             std::int32_t& tax)
{
    this->pay = pay;
    this->socialInsurance = socialInsurance;
    this->dependents = dependents;
    computeMonthlyTax(column);
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
    if (column == kouColumn || column == otsuColumn)
        computeBonusTax(column);
    else
        this->tax = 0;
    tax = this->tax;
}
