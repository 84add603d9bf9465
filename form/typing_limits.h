#pragma once

// What the clerk can type into an input cell, in characters, and what is read
// of any cell: all that a cell shows of an amount or of the dependents count.
// The cells the program writes take no limit.
inline constexpr int amountCellLimit = 8;
