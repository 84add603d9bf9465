#pragma once

// How each result figure was made, in words and numbers, composed from the
// form's plain values and the columns a calculation returned (the
// calculators in them as they were left). Code page 932, as the form's texts.
#include <cstddef>

#include "form/columns.h"

inline constexpr std::size_t explanationSize = 1'024;

// The explanation of the figure in result cell `cell` (203, 207 to 210, 212
// to 218), its lines broken by "\n", its last number the figure itself;
// empty for any other cell.
void explainFigure(int cell, const FormInputs& form, const SalaryColumn& salary, const BonusColumn& bonus,
                   char (&text)[explanationSize]);
