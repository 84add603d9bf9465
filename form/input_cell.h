#pragma once

#include <windows.h>

// Gives one of the cells the clerk types into the form's own handling of a
// click and a paste, on top of the platform's edit control.
void adoptInputCell(HWND cell);
// Gives a result cell the form's own handling of a click.
void adoptResultCell(HWND cell);
