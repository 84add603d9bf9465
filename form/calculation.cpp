// The one calculation of the form, whatever starts it (計算, an input cell
// left, an option changed): the form read once, both columns computed from
// plain values, the form written once.
#include "form/cell_text.h"
#include "form/columns.h"
#include "form/form.h"

namespace {

FormInputs readForm()
{
    FormInputs form;
    form.taxablePay = readCell(salaryTaxablePay);
    form.nonTaxablePay = readCell(salaryNonTaxablePay);
    form.health = readCell(salaryHealthPremium);
    form.nursing = readCell(salaryNursingPremium);
    form.pension = readCell(salaryPensionPremium);
    form.bonus = readCell(bonusTaxablePay);
    form.dependents = readCell(dependentCount);
    form.age40 = isChecked(controlWindow(age40Check));
    form.employmentInsured = isChecked(controlWindow(employmentInsuredCheck));
    form.kou = isChecked(controlWindow(kouRadio));
    form.categoryA = isChecked(controlWindow(categoryARadio));
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
