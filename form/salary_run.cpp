// The salary column of a calculation: its employment premium, tax, totals and net pay.
#include "form/columns.h"

#include "common/wrapping.h"
#include "insurance/insurance_premium_calculator.h"
#include "tax/withholding_tax_calculator.h"

SalaryColumn runSalaryCalculation(const FormInputs& form)
{
    InsurancePremiumCalculator premiums;
    WithholdingTaxCalculator taxes;

    SalaryColumn column;
    column.taxablePay = form.taxablePay;
    column.nonTaxablePay = form.nonTaxablePay;
    column.health = form.health;
    column.nursing = form.nursing;
    column.pension = form.pension;

    sumSalaryPay(column);
    const std::int32_t category = form.categoryA ? 0 : 1;
    if (form.employmentInsured)
        premiums.getEmploymentPremium(column.totalPay, category, 0, column.employment);

    // Non-taxable pay enters the employment-insurance base but not the tax base.
    const std::int32_t socialInsurance = wrapSum(column.health, column.nursing, column.pension, column.employment);
    const std::int32_t taxColumn = form.kou ? 0 : 1;
    taxes.getMonthlyTax(column.taxablePay, socialInsurance, form.dependents, taxColumn, column.tax);

    sumSalaryDeductions(column);
    return column;
}
