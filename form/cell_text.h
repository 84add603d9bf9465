#pragma once

// Reading and writing the form's cells and check states.
#include <windows.h>

#include <cstdint>

#include "form/control_ids.h"

// An input cell as the user typed it: at most its first 8 characters.
std::int32_t readCell(ControlId id);

// A cell the program writes: its whole text, which may be longer than 8
// characters (a total of 199999998), but never longer than an int32's.
std::int32_t readWholeCell(ControlId id);

void writeCell(ControlId id, std::int32_t value);

// Only an exact BST_CHECKED counts.
bool isChecked(HWND button);
