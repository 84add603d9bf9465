#pragma once

// The cells' decimal text, free of any platform: how text becomes a yen
// amount and how an amount is written back.
#include <cstddef>
#include <cstdint>

// The atol rule: leading white space, an optional sign, decimal digits up to
// the first other character; no digits gives 0. Reads at most `length` bytes
// (stopping at a NUL). A value beyond 32 bits saturates, where atol itself
// would be undefined.
std::int32_t cellValue(const char* text, std::size_t length);

// Longest decimal form of an int32, "-2147483648", and its NUL.
inline constexpr std::size_t cellTextSize = 12;

// Writes the full decimal form (a leading minus for a negative value, no
// separators, no padding), NUL-terminated.
void formatCellValue(std::int32_t value, char (&text)[cellTextSize]);
