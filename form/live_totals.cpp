// A column's sums follow the figures on screen when the user leaves an input
// cell; premiums and taxes stay as the last calculation left them.
#include "form/cell_text.h"
#include "form/form.h"

#include "common/wrapping.h"

void updateSalaryTotals()
{
    const std::int32_t taxable = readCell(salaryTaxablePay);
    const std::int32_t nonTaxable = readCell(salaryNonTaxablePay);
    const std::int32_t health = readCell(salaryHealthPremium);
    const std::int32_t nursing = readCell(salaryNursingPremium);
    const std::int32_t pension = readCell(salaryPensionPremium);
    const std::int32_t employment = readWholeCell(salaryEmploymentPremium);
    const std::int32_t tax = readWholeCell(salaryWithholdingTax);

    const std::int32_t totalPay = wrapAdd(taxable, nonTaxable);
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

void updateBonusTotals()
{
    const std::int32_t bonus = readCell(bonusTaxablePay);
    const std::int32_t health = readWholeCell(bonusHealthPremium);
    const std::int32_t nursing = readWholeCell(bonusNursingPremium);
    const std::int32_t pension = readWholeCell(bonusPensionPremium);
    const std::int32_t employment = readWholeCell(bonusEmploymentPremium);
    const std::int32_t tax = readWholeCell(bonusWithholdingTax);

    const std::int32_t totalDeductions = wrapSum(employment, tax, pension, nursing, health);

    writeCell(bonusTaxablePay, bonus);
    writeCell(bonusHealthPremium, health);
    writeCell(bonusNursingPremium, nursing);
    writeCell(bonusPensionPremium, pension);
    writeCell(bonusEmploymentPremium, employment);
    writeCell(bonusWithholdingTax, tax);
    writeCell(bonusTotalDeductions, totalDeductions);
    writeCell(bonusNetPay, wrapSub(bonus, totalDeductions));
}
