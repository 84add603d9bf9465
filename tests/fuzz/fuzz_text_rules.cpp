// Any bytes read as a cell give the atol-rule value of the characters read,
// checked against the C library's strtoll; a value written then read comes
// back unchanged; and a paste of any text gives nothing, or digits only, as
// many as the text holds and no more than the room.
#include "form/decimal_text.h"
#include "form/pasted_amount.h"
#include "form/typing_limits.h"

#include "tests/fuzz/check.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

std::int32_t byStrtoll(const std::uint8_t* data, std::size_t size, std::size_t characters)
{
    const std::string text(reinterpret_cast<const char*>(data), size < characters ? size : characters);
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char* text = reinterpret_cast<const char*>(data);
    // Input cells read their first 8 characters; cells the program writes, up to 11.
    for (std::size_t characters : {std::size_t{amountCellLimit}, cellTextSize - 1}) {
        const std::size_t length = size < characters ? size : characters;
        FUZZ_CHECK(cellValue(text, length) == byStrtoll(data, size, characters));
    }

    std::int32_t value = 0;
    std::memcpy(&value, data, size < 4 ? size : 4);
    char written[cellTextSize];
    formatCellValue(value, written);
    FUZZ_CHECK(std::strlen(written) < cellTextSize);
    FUZZ_CHECK(cellValue(written, cellTextSize - 1) == value);

    const std::size_t room = size ? data[0] % 40 : 0;
    std::u16string pasted(size > 1 ? (size - 1) / 2 : 0, u'\0');
    std::memcpy(pasted.data(), data + 1, pasted.size() * 2);
    const PastedDigits result = pastedDigits(pasted, room);
    const std::string digits = result.digits;
    const auto isDigit = [](char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９'); };
    FUZZ_CHECK(digits.size() == result.count && result.count <= room);
    FUZZ_CHECK(digits.find_first_not_of("0123456789") == digits.npos);
    FUZZ_CHECK(!result.count || std::count_if(pasted.begin(), pasted.end(), isDigit) == std::ptrdiff_t(result.count));
    return 0;
}
