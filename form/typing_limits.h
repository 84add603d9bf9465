#pragma once

// What the clerk can type into an input cell, in characters; the cells the
// program writes take no limit. Every cell's value is read from at most its
// first amountCellLimit characters.
inline constexpr int amountCellLimit = 8;
// More than the dependents cell shows, so typing is never cut; without a
// limit, a long paste is fitted to its width one dropped character at a time.
inline constexpr int dependentCountLimit = 32;
