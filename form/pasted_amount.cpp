#include "form/pasted_amount.h"

namespace {

// Half-width, full-width and no-break spaces: web pages copy "¥ 300,000"
// with a no-break space.
bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\u3000' || c == u'\u00A0' || c == u'\u202F';
}

bool isBlank(char16_t c)
{
    return isSpace(c) || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isYenSign(char16_t c)
{
    return c == u'\u00A5' || c == u'\uFFE5' || c == u'\\';
}

bool isSeparator(char16_t c)
{
    return c == u',' || c == u'\uFF0C';
}

// The digit's value as an ASCII character, or 0 for anything else.
char digitOf(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return static_cast<char>(c);
    if (c >= u'\uFF10' && c <= u'\uFF19')
        return static_cast<char>('0' + (c - u'\uFF10'));
    return 0;
}

void dropFront(std::u16string_view& text, bool (*drop)(char16_t))
{
    while (!text.empty() && drop(text.front()))
        text.remove_prefix(1);
}

void dropBack(std::u16string_view& text, bool (*drop)(char16_t))
{
    while (!text.empty() && drop(text.back()))
        text.remove_suffix(1);
}

}  // namespace

PastedDigits pastedDigits(std::u16string_view text, std::size_t room)
{
    dropFront(text, isBlank);
    dropBack(text, isBlank);
    if (!text.empty() && isYenSign(text.front())) {
        text.remove_prefix(1);
        dropFront(text, isSpace);
    }
    if (!text.empty() && text.back() == u'\u5186') {  // 円
        text.remove_suffix(1);
        dropBack(text, isSpace);
    }

    PastedDigits pasted;
    const std::size_t most = room < pastedDigitsMax ? room : pastedDigitsMax;
    // Separators mark thousands only: one to three digits before the first,
    // exactly three after each. "1,2" may be a decimal, "32,0000" a typo.
    bool separated = false;
    std::size_t group = 0;
    for (const char16_t c : text) {
        if (const char digit = digitOf(c)) {
            // A long paste is refused as soon as it cannot fit, not after reading all of it.
            if (pasted.count == most)
                return {};
            pasted.digits[pasted.count++] = digit;
            ++group;
        } else if (isSeparator(c) && group >= 1 && group <= 3 && (!separated || group == 3)) {
            separated = true;
            group = 0;
        } else {
            return {};
        }
    }
    if (separated && group != 3)
        return {};
    return pasted;
}
