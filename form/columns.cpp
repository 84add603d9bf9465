#include "form/columns.h"

#include "common/wrapping.h"
#include "form/cell_text.h"

SalaryColumn readSalaryInputs()
{
    SalaryColumn column;
    column.taxablePay = readCell(salaryTaxablePay);
    column.nonTaxablePay = readCell(salaryNonTaxablePay);
    column.health = readCell(salaryHealthPremium);
    column.nursing = readCell(salaryNursingPremium);
    column.pension = readCell(salaryPensionPremium);
    return column;
}

void sumSalaryPay(SalaryColumn& column)
{
    column.totalPay = wrapAdd(column.taxablePay, column.nonTaxablePay);
}

void sumSalaryDeductions(SalaryColumn& column)
{
    column.totalDeductions = wrapSum(column.tax, column.employment, column.pension, column.nursing, column.health);
    column.netPay = wrapSub(column.totalPay, column.totalDeductions);
}

void sumBonusDeductions(BonusColumn& column)
{
    column.totalDeductions = wrapSum(column.tax, column.employment, column.pension, column.nursing, column.health);
    column.netPay = wrapSub(column.bonus, column.totalDeductions);
}

void writeSalaryColumn(const SalaryColumn& column)
{
    writeCell(salaryTaxablePay, column.taxablePay);
    writeCell(salaryNonTaxablePay, column.nonTaxablePay);
    writeCell(salaryTotalPay, column.totalPay);
    writeCell(salaryHealthPremium, column.health);
    writeCell(salaryNursingPremium, column.nursing);
    writeCell(salaryPensionPremium, column.pension);
    writeCell(salaryEmploymentPremium, column.employment);
    writeCell(salaryWithholdingTax, column.tax);
    writeCell(salaryTotalDeductions, column.totalDeductions);
    writeCell(salaryNetPay, column.netPay);
}

void writeBonusColumn(const BonusColumn& column)
{
    writeCell(bonusTaxablePay, column.bonus);
    writeCell(bonusHealthPremium, column.health);
    writeCell(bonusNursingPremium, column.nursing);
    writeCell(bonusPensionPremium, column.pension);
    writeCell(bonusEmploymentPremium, column.employment);
    writeCell(bonusWithholdingTax, column.tax);
    writeCell(bonusTotalDeductions, column.totalDeductions);
    writeCell(bonusNetPay, column.netPay);
}
