// The bonus column of a press of 計算, after the salary column is written.
#include "form/cell_text.h"
#include "form/form.h"

#include "common/wrapping.h"
#include "insurance/insurance_premium_calculator.h"
#include "tax/withholding_tax_calculator.h"

void runBonusCalculation(HWND age40Check, HWND employmentInsuredCheck, HWND kouRadio, HWND categoryARadio)
{
    InsurancePremiumCalculator premiums;
    WithholdingTaxCalculator taxes;

    const std::int32_t bonus = readCell(bonusTaxablePay);
    const std::int32_t dependents = readCell(dependentCount);
    // The salary run wrote 203; a total of nine digits must arrive whole.
    const std::int32_t salaryTotal = readWholeCell(salaryTotalPay);
    const std::int32_t salaryHealth = readCell(salaryHealthPremium);
    const std::int32_t salaryNursing = readCell(salaryNursingPremium);

    const std::int32_t category = isChecked(categoryARadio) ? 0 : 1;
    std::int32_t employment = 0;
    if (isChecked(employmentInsuredCheck))
        premiums.getEmploymentPremium(bonus, category, 1, employment);

    const std::int32_t nursingExempt = isChecked(age40Check) ? 0 : 1;
    std::int32_t health = 0;
    std::int32_t nursing = 0;
    std::int32_t pension = 0;
    premiums.getBonusPremiums(bonus, nursingExempt, health, nursing, pension);

    const std::int32_t rateSelectingAmount = wrapSum(salaryTotal, salaryHealth, salaryNursing);
    const std::int32_t socialInsurance = wrapSum(employment, pension, nursing, health);
    const std::int32_t column = isChecked(kouRadio) ? 0 : 1;
    std::int32_t tax = 0;
    taxes.getBonusTax(bonus, rateSelectingAmount, socialInsurance, dependents, column, tax);

    const std::int32_t totalDeductions = wrapSum(tax, employment, pension, nursing, health);

    writeCell(bonusTaxablePay, bonus);
    writeCell(bonusHealthPremium, health);
    writeCell(bonusNursingPremium, nursing);
    writeCell(bonusPensionPremium, pension);
    writeCell(bonusEmploymentPremium, employment);
    writeCell(bonusWithholdingTax, tax);
    writeCell(bonusTotalDeductions, totalDeductions);
    writeCell(bonusNetPay, wrapSub(bonus, totalDeductions));
}
