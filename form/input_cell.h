#pragma once

#include <windows.h>

// Gives one of the cells the clerk types into the form's own handling of a
// click, a key and a paste, on top of the platform's edit control.
void adoptInputCell(HWND cell);
// Gives a result cell the form's own handling of a click.
void adoptResultCell(HWND cell);

// After any change of an input cell's text, the program's own included
// (which writes digits only): true when the cell's rules take it (ASCII
// digits only, as many as the cell takes), read as Unicode so that no
// character passes as another. Otherwise the cell gets back the last text
// they took and the caret its place, with a beep, and this is false.
bool takeCellChange(HWND cell);
