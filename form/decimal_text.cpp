#include "form/decimal_text.h"

#include <charconv>
#include <limits>

namespace {

bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int32_t cellValue(const char* text, std::size_t length)
{
    std::size_t i = 0;
    while (i < length && isCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < length && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // One past the int32 range in magnitude is enough to know it saturates.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < length && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    if (negative)
        return static_cast<std::int32_t>(-magnitude);
    return magnitude >= limit ? std::numeric_limits<std::int32_t>::max() : static_cast<std::int32_t>(magnitude);
}

void formatCellValue(std::int32_t value, char (&text)[cellTextSize])
{
    const std::to_chars_result end = std::to_chars(text, text + cellTextSize - 1, value);
    *end.ptr = '\0';
}
