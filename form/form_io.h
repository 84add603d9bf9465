#pragma once

// Reading and writing the form's cells and check states.
#include <windows.h>

#include <cstdint>

#include "form/control_ids.h"

// A cell's value, from at most its first amountCellLimit characters.
std::int32_t readCell(ControlId id);

// Rewritten only when its text changes. Where the clerk's caret is, or will
// come back to, it stays after the number, or over a "0" that replaced nothing.
void writeCell(ControlId id, std::int32_t value);

// Held around the program's own writes to cells: a change they make is not
// the clerk's, and computes nothing.
class OwnWrite {
public:
    OwnWrite();
    ~OwnWrite();
    OwnWrite(const OwnWrite&) = delete;
    OwnWrite& operator=(const OwnWrite&) = delete;
};
bool isOwnWrite();

// Only an exact BST_CHECKED counts.
bool isChecked(ControlId button);
