#pragma once

#include <cstdint>
#include <limits>

// Yen amounts are 32-bit and wrap like the two's-complement registers the
// figures were first computed in. Going through uint32_t keeps the wrap
// defined behaviour; the conversion back is modular since C++20.
inline std::int32_t wrapAdd(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline std::int32_t wrapSub(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

inline std::int32_t clampToInt32(std::int64_t value)
{
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

template <typename... Rest>
std::int32_t wrapSum(std::int32_t first, Rest... rest)
{
    ((first = wrapAdd(first, rest)), ...);
    return first;
}
