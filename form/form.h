#pragma once

// The payroll form: its controls and its calculation.
// Everything here runs on the GUI thread.
#include <windows.h>

#include "form/control_ids.h"
#include "form/explanation.h"

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
// How the figure in a result cell was made, computed once more from what
// the form shows now; empty for any other control.
void explainCell(ControlId cell, char (&text)[explanationSize]);
// The same while the clerk types into an input cell (any change of its text
// that is not the program's own), which is left as typed.
void onTyped(ControlId cell);

// The control the clerk was last in, as the focus arrives in it or as the
// window loses it.
void rememberFocus(HWND control);
HWND rememberedFocus();
// At start-up: the pay's cell, its "0" selected, gets the focus first.
void focusFirstCell();
