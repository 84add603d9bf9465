// The press of 計算: the salary column first, since the bonus run reads what it writes.
#include "form/cell_text.h"
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

    const std::int32_t taxable = readCell(salaryTaxablePay);
    const std::int32_t nonTaxable = readCell(salaryNonTaxablePay);
    const std::int32_t health = readCell(salaryHealthPremium);
    const std::int32_t nursing = readCell(salaryNursingPremium);
    const std::int32_t pension = readCell(salaryPensionPremium);
    const std::int32_t dependents = readCell(dependentCount);

    const std::int32_t totalPay = wrapAdd(taxable, nonTaxable);
    const std::int32_t category = isChecked(categoryARadio) ? 0 : 1;
    std::int32_t employment = 0;
    if (isChecked(employmentInsuredCheck))
        premiums.getEmploymentPremium(totalPay, category, 0, employment);

    // Non-taxable pay enters the employment-insurance base but not the tax base.
    const std::int32_t socialInsurance = wrapSum(health, nursing, pension, employment);
    const std::int32_t column = isChecked(kouRadio) ? 0 : 1;
    std::int32_t tax = 0;
    taxes.getMonthlyTax(taxable, socialInsurance, dependents, column, tax);

    const std::int32_t totalDeductions = wrapSum(tax, employment, pension, nursing, health);

    writeCell(salaryTaxablePay, taxable);
    writeCell(salaryNonTaxablePay, nonTaxable);
    writeCell(salaryTotalPay, totalPay);
    writeCell(salaryHealthPremium, health);
    writeCell(salaryNursingPremium, nursing);
    writeCell(salaryPensionPremium, pension);
    writeCell(salaryEmploymentPremium, employment);
    writeCell(salaryWithholdingTax, tax);
    writeCell(salaryTotalDeductions, totalDeductions);
    writeCell(salaryNetPay, wrapSub(totalPay, totalDeductions));
}
