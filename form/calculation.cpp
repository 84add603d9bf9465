// The one calculation of the form, whatever starts it (計算, a change in an
// input cell, an input cell left, an option changed): the form read once,
// both columns computed from plain values, the form written once.
#include "form/columns.h"
#include "form/control_tables.h"
#include "form/figure_tips.h"
#include "form/form.h"
#include "form/form_io.h"
#include "form/input_cell.h"

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

// Where each computed figure is shown.
template <typename Column>
struct Shown {
    ControlId cell;
    std::int32_t Column::*figure;
};

constexpr Shown<SalaryColumn> salaryCells[] = {
    {salaryTaxablePay, &SalaryColumn::taxablePay},        {salaryNonTaxablePay, &SalaryColumn::nonTaxablePay},
    {salaryTotalPay, &SalaryColumn::totalPay},            {salaryHealthPremium, &SalaryColumn::health},
    {salaryNursingPremium, &SalaryColumn::nursing},       {salaryPensionPremium, &SalaryColumn::pension},
    {salaryEmploymentPremium, &SalaryColumn::employment}, {salaryWithholdingTax, &SalaryColumn::tax},
    {salaryTotalDeductions, &SalaryColumn::totalDeductions}, {salaryNetPay, &SalaryColumn::netPay},
};

constexpr Shown<BonusColumn> bonusCells[] = {
    {bonusTaxablePay, &BonusColumn::bonus},              {bonusHealthPremium, &BonusColumn::health},
    {bonusNursingPremium, &BonusColumn::nursing},        {bonusPensionPremium, &BonusColumn::pension},
    {bonusEmploymentPremium, &BonusColumn::employment},  {bonusWithholdingTax, &BonusColumn::tax},
    {bonusTotalDeductions, &BonusColumn::totalDeductions}, {bonusNetPay, &BonusColumn::netPay},
};

// The amount cells among the inputs are written too, so they show the amounts
// computed with (the dependents cell is left as typed); all but the one the
// clerk is typing in, which keeps what was typed.
template <typename Column, std::size_t N>
void writeColumn(const Column& column, const Shown<Column> (&shown)[N], ControlId typing)
{
    for (const Shown<Column>& cell : shown)
        if (cell.cell != typing)
            writeCell(cell.cell, column.*cell.figure);
}

// Its writes are the program's own (writeCell), so they start no second
// calculation.
void calculate(ControlId typing)
{
    const FormInputs form = readForm();
    const SalaryColumn salary = runSalaryCalculation(form);
    writeColumn(salary, salaryCells, typing);
    writeColumn(runBonusCalculation(form, salary), bonusCells, typing);
    figuresChanged();
}

}  // namespace

void explainCell(ControlId cell, char (&text)[explanationSize])
{
    const FormInputs form = readForm();
    const SalaryColumn salary = runSalaryCalculation(form);
    explainFigure(cell, form, salary, runBonusCalculation(form, salary), text);
}

void onCalculate()
{
    calculate(ControlId{});
}

// Any change that is not the program's own is the clerk's, whoever made it
// (a key, a paste, another program setting the text): the cell's rules take
// it or undo it, and what they take computes as typing does.
void onTyped(ControlId cell)
{
    if (takeCellChange(controlWindow(cell)) && !isOwnWrite())
        calculate(cell);
}
