// The press of 計算: the salary column first, since the bonus run reads what it writes.
#include "form/cell_text.h"
#include "form/columns.h"
#include "form/form.h"

#include "common/wrapping.h"
#include "insurance/insurance_premium_calculator.h"
#include "tax/withholding_tax_calculator.h"

void onCalculate()
{
    runSalaryCalculation(controlWindow(employmentInsuredCheck), controlWindow(kouRadio),
                         controlWindow(categoryARadio));
    runBonusCalculation(controlWindow(age40Check), controlWindow(employmentInsuredCheck), controlWindow(kouRadio),
                        controlWindow(categoryARadio));
}

void runSalaryCalculation(HWND employmentInsuredCheck, HWND kouRadio, HWND categoryARadio)
{
    InsurancePremiumCalculator premiums;
    WithholdingTaxCalculator taxes;

    SalaryColumn column = readSalaryInputs();
    const std::int32_t dependents = readCell(dependentCount);

    sumSalaryPay(column);
    const std::int32_t category = isChecked(categoryARadio) ? 0 : 1;
    if (isChecked(employmentInsuredCheck))
        premiums.getEmploymentPremium(column.totalPay, category, 0, column.employment);

    // Non-taxable pay enters the employment-insurance base but not the tax base.
    const std::int32_t socialInsurance = wrapSum(column.health, column.nursing, column.pension, column.employment);
    const std::int32_t taxColumn = isChecked(kouRadio) ? 0 : 1;
    taxes.getMonthlyTax(column.taxablePay, socialInsurance, dependents, taxColumn, column.tax);

    sumSalaryDeductions(column);
    writeSalaryColumn(column);
}
