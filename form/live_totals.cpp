// A column's sums follow the figures on screen when the user leaves an input
// cell; premiums and taxes stay as the last calculation left them.
#include "form/cell_text.h"
#include "form/columns.h"
#include "form/form.h"

void updateSalaryTotals()
{
    SalaryColumn column = readSalaryInputs();
    column.employment = readWholeCell(salaryEmploymentPremium);
    column.tax = readWholeCell(salaryWithholdingTax);
    sumSalaryPay(column);
    sumSalaryDeductions(column);
    writeSalaryColumn(column);
}

void updateBonusTotals()
{
    BonusColumn column;
    column.bonus = readCell(bonusTaxablePay);
    column.health = readWholeCell(bonusHealthPremium);
    column.nursing = readWholeCell(bonusNursingPremium);
    column.pension = readWholeCell(bonusPensionPremium);
    column.employment = readWholeCell(bonusEmploymentPremium);
    column.tax = readWholeCell(bonusWithholdingTax);
    sumBonusDeductions(column);
    writeBonusColumn(column);
}
