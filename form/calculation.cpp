// The one calculation of the form, whatever starts it (計算, a change in an
// input cell, an input cell left, an option changed): the form read once,
// both columns computed from plain values, the form written once.
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

// The input cells get back the values used, so they show what was computed;
// all but the one the clerk is typing in, which keeps what was typed.
void put(ControlId id, std::int32_t value, ControlId typing)
{
    if (id != typing)
        writeCell(id, value);
}

void writeSalaryColumn(const SalaryColumn& column, ControlId typing)
{
    put(salaryTaxablePay, column.taxablePay, typing);
    put(salaryNonTaxablePay, column.nonTaxablePay, typing);
    put(salaryTotalPay, column.totalPay, typing);
    put(salaryHealthPremium, column.health, typing);
    put(salaryNursingPremium, column.nursing, typing);
    put(salaryPensionPremium, column.pension, typing);
    put(salaryEmploymentPremium, column.employment, typing);
    put(salaryWithholdingTax, column.tax, typing);
    put(salaryTotalDeductions, column.totalDeductions, typing);
    put(salaryNetPay, column.netPay, typing);
}

void writeBonusColumn(const BonusColumn& column, ControlId typing)
{
    put(bonusTaxablePay, column.bonus, typing);
    put(bonusHealthPremium, column.health, typing);
    put(bonusNursingPremium, column.nursing, typing);
    put(bonusPensionPremium, column.pension, typing);
    put(bonusEmploymentPremium, column.employment, typing);
    put(bonusWithholdingTax, column.tax, typing);
    put(bonusTotalDeductions, column.totalDeductions, typing);
    put(bonusNetPay, column.netPay, typing);
}

// The program's own writes change cells too: they start no second calculation.
bool calculating;

void calculate(ControlId typing)
{
    if (calculating)
        return;
    calculating = true;
    const FormInputs form = readForm();
    const SalaryColumn salary = runSalaryCalculation(form);
    writeSalaryColumn(salary, typing);
    writeBonusColumn(runBonusCalculation(form, salary), typing);
    calculating = false;
}

}  // namespace

void onCalculate()
{
    calculate(ControlId{});
}

// Only a change in the cell the clerk is in is the clerk's: the program sets
// texts elsewhere too, at start-up and in its tests. That cell is the one
// remembered as the focus arrived (GetFocus would cost a round trip to
// Wine's server on every keystroke).
void onTyped(ControlId cell)
{
    if (controlWindow(cell) == rememberedFocus())
        calculate(cell);
}
