// The bonus column of a press of 計算, after the salary column is written.
#include "form/cell_text.h"
#include "form/columns.h"
#include "form/form.h"

#include "common/wrapping.h"
#include "insurance/insurance_premium_calculator.h"
#include "tax/withholding_tax_calculator.h"

void runBonusCalculation(HWND age40Check, HWND employmentInsuredCheck, HWND kouRadio, HWND categoryARadio)
{
    InsurancePremiumCalculator premiums;
    WithholdingTaxCalculator taxes;

    BonusColumn column;
    column.bonus = readCell(bonusTaxablePay);
    const std::int32_t dependents = readCell(dependentCount);
    // The salary column stands for the previous month's pay: the rate is
    // chosen by it after its social insurance, as the salary run wrote it.
    const std::int32_t salaryTaxable = readCell(salaryTaxablePay);
    const std::int32_t salaryInsurance = wrapSum(readCell(salaryHealthPremium), readCell(salaryNursingPremium),
                                                 readCell(salaryPensionPremium),
                                                 readWholeCell(salaryEmploymentPremium));
    const std::int32_t previousMonthAmount = wrapSub(salaryTaxable, salaryInsurance);

    const std::int32_t category = isChecked(categoryARadio) ? 0 : 1;
    if (isChecked(employmentInsuredCheck))
        premiums.getEmploymentPremium(column.bonus, category, 1, column.employment);
    const std::int32_t nursingExempt = isChecked(age40Check) ? 0 : 1;
    premiums.getBonusPremiums(column.bonus, nursingExempt, column.health, column.nursing, column.pension);

    const std::int32_t socialInsurance = wrapSum(column.employment, column.pension, column.nursing, column.health);
    const std::int32_t taxColumn = isChecked(kouRadio) ? 0 : 1;
    taxes.getBonusTax(column.bonus, previousMonthAmount, socialInsurance, dependents, taxColumn, column.tax);

    sumBonusDeductions(column);
    writeBonusColumn(column);
}
