// The bonus column of a calculation, after the salary column.
#include "form/columns.h"

#include "common/wrapping.h"
#include "insurance/insurance_premium_calculator.h"
#include "tax/withholding_tax_calculator.h"

BonusColumn runBonusCalculation(const FormInputs& form, const SalaryColumn& salary)
{
    BonusColumn column;
    InsurancePremiumCalculator& premiums = column.premiums;
    WithholdingTaxCalculator& taxes = column.taxes;
    column.bonus = form.bonus;
    // The salary column stands for the previous month's pay: the rate is
    // chosen by it after its social insurance.
    const std::int32_t previousMonthAmount = wrapSub(salary.taxablePay, salarySocialInsurance(salary));

    if (form.employmentInsured)
        premiums.getEmploymentPremium(column.bonus, employmentCategoryOf(form), onBonus, column.employment);
    const std::int32_t nursingExempt = form.age40 ? withNursingCare : withoutNursingCare;
    premiums.getBonusPremiums(column.bonus, nursingExempt, column.health, column.nursing, column.pension);

    const std::int32_t socialInsurance = wrapSum(column.employment, column.pension, column.nursing, column.health);
    taxes.getBonusTax(column.bonus, previousMonthAmount, socialInsurance, form.dependents, taxColumnOf(form),
                      column.tax);

    column.totalDeductions = wrapSum(column.tax, column.employment, column.pension, column.nursing, column.health);
    column.netPay = wrapSub(column.bonus, column.totalDeductions);
    return column;
}
