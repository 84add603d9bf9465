#pragma once

// The payroll form: its controls and its calculation.
// Everything here runs on the GUI thread.
#include <windows.h>

#include "form/control_ids.h"

// Handle of a control, valid from the form's creation until its teardown.
HWND controlWindow(ControlId id);

// The cells the clerk types into, and the check boxes and radio buttons:
// what a calculation reads.
bool isInputCell(int id);
bool isOption(int id);

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

// Both columns computed from what the form shows and written back: on 計算,
// when an input cell is left and when an option changes.
void onCalculate();
