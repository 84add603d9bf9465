#pragma once

// The payroll form: its controls, live totals and the two calculation runs.
// Everything here runs on the GUI thread.
#include <windows.h>

#include "form/control_ids.h"

// Handle of a control, valid from the form's creation until its teardown.
HWND controlWindow(ControlId id);

void createLabels(HINSTANCE instance, HWND parent);
void setLabelFonts();
void createCells(HINSTANCE instance, HWND parent);
void setCellFonts();
void createButtons(HINSTANCE instance, HWND parent);
void setButtonFonts();
void setInitialChecks();
void initCells();
void destroyLabels();
void destroyCells();
void destroyButtons();

void updateSalaryTotals();
void updateBonusTotals();

void onCalculate();
void runSalaryCalculation(HWND employmentInsuredCheck, HWND kouRadio, HWND categoryARadio);
void runBonusCalculation(HWND age40Check, HWND employmentInsuredCheck, HWND kouRadio, HWND categoryARadio);
