#include "form/columns.h"

#include "common/wrapping.h"

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
