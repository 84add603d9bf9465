// The salary column of a calculation: its employment premium, tax, totals and net pay.
#include "form/columns.h"

#include "common/wrapping.h"
#include "insurance/insurance_premium_calculator.h"
#include "tax/withholding_tax_calculator.h"

std::int32_t taxColumnOf(const FormInputs& form)
{
    return form.kou ? kouColumn : otsuColumn;
}

std::int32_t employmentCategoryOf(const FormInputs& form)
{
    return form.categoryA ? employmentCategoryA : employmentCategoryB;
}

std::int32_t salarySocialInsurance(const SalaryColumn& salary)
{
    return wrapSum(salary.health, salary.nursing, salary.pension, salary.employment);
}

SalaryColumn runSalaryCalculation(const FormInputs& form)
{
    SalaryColumn column;
    InsurancePremiumCalculator& premiums = column.premiums;
    WithholdingTaxCalculator& taxes = column.taxes;
    column.taxablePay = form.taxablePay;
    column.nonTaxablePay = form.nonTaxablePay;
    column.health = form.health;
    column.nursing = form.nursing;
    column.pension = form.pension;

    column.totalPay = wrapAdd(column.taxablePay, column.nonTaxablePay);
    if (form.employmentInsured)
        premiums.getEmploymentPremium(column.totalPay, employmentCategoryOf(form), onSalary, column.employment);

    // Non-taxable pay enters the employment-insurance base but not the tax base.
    taxes.getMonthlyTax(column.taxablePay, salarySocialInsurance(column), form.dependents, taxColumnOf(form),
                        column.tax);

    column.totalDeductions = wrapSum(column.tax, column.employment, column.pension, column.nursing, column.health);
    column.netPay = wrapSub(column.totalPay, column.totalDeductions);
    return column;
}
