#pragma once

// A pasted amount, free of any platform: the text as people copy it from a
// spreadsheet or a mail, in UTF-16 as the clipboard holds it.
#include "form/typing_limits.h"

#include <cstddef>
#include <string_view>

// The most digits a paste gives: as many as a cell takes.
inline constexpr std::size_t pastedDigitsMax = amountCellLimit;

struct PastedDigits {
    std::size_t count = 0;                  // 0: refused
    char digits[pastedDigitsMax + 1] = {};  // ASCII, NUL-terminated
};

// The digits of one amount written the way people write it: blanks (spaces,
// full-width spaces, tabs, line breaks) at either end, one leading yen sign
// (¥, ￥, or the backslash that code page 932 shows as ¥) and one trailing 円,
// each with spaces between it and the number, digits ASCII or full-width,
// with thousands separators (, or ，) only between groups of three digits
// counted from the right. Refused: any other text, no digits, or more digits
// than `room`.
PastedDigits pastedDigits(std::u16string_view text, std::size_t room);
