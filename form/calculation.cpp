// The one calculation of the form, whatever starts it (計算, an input cell
// left, an option changed): the form read once, both columns computed from
// plain values, the form written once.
#include "form/columns.h"
#include "form/control_tables.h"
#include "form/form.h"
#include "form/form_io.h"

namespace {

FormInputs readForm()
{
    FormInputs form;
    for (const CellRow& row : cells)
        if (row.input)
            form.*row.input = readCell(row.id);
    for (const ControlRow& row : buttons)
        if (row.option)
            form.*row.option = isChecked(row.id);
    return form;
}

// The input cells get back the values used, so they show what was computed.
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

}  // namespace

void onCalculate()
{
    const FormInputs form = readForm();
    const SalaryColumn salary = runSalaryCalculation(form);
    writeSalaryColumn(salary);
    writeBonusColumn(runBonusCalculation(form, salary));
}
