// The bonus column of a calculation, after the salary column.
#include "form/columns.h"

#include "common/wrapping.h"
#include "insurance/insurance_premium_calculator.h"
#include "tax/withholding_tax_calculator.h"

BonusColumn runBonusCalculation(const FormInputs& form, const SalaryColumn& salary)
{
    InsurancePremiumCalculator premiums;
    WithholdingTaxCalculator taxes;

    BonusColumn column;
    column.bonus = form.bonus;
    // The salary column stands for the previous month's pay: the rate is
    // chosen by it after its social insurance.
    const std::int32_t salaryInsurance = wrapSum(salary.health, salary.nursing, salary.pension, salary.employment);
    const std::int32_t previousMonthAmount = wrapSub(salary.taxablePay, salaryInsurance);

    const std::int32_t category = form.categoryA ? 0 : 1;
    if (form.employmentInsured)
        premiums.getEmploymentPremium(column.bonus, category, 1, column.employment);
    const std::int32_t nursingExempt = form.age40 ? 0 : 1;
    premiums.getBonusPremiums(column.bonus, nursingExempt, column.health, column.nursing, column.pension);

    const std::int32_t socialInsurance = wrapSum(column.employment, column.pension, column.nursing, column.health);
    const std::int32_t taxColumn = form.kou ? 0 : 1;
    taxes.getBonusTax(column.bonus, previousMonthAmount, socialInsurance, form.dependents, taxColumn, column.tax);

    sumBonusDeductions(column);
    return column;
}
