#pragma once

// The form's texts are code page 932 bytes whatever the system's code page:
// they reach the platform in UTF-16, converted by code page 932 itself, so
// that they read as Japanese on any Windows. Never CP_ACP, which is 1252 on
// an English Windows and 65001 under the UTF-8 setting.
#include <windows.h>

#include <cstddef>

// False, with an empty text, for bytes that are not code page 932 or do not
// fit: a fault of the program's own texts, which the layout test would show.
template <std::size_t N>
bool widen(const char* text, wchar_t (&wide)[N])
{
    const int length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, -1, wide, static_cast<int>(N));
    if (length == 0)
        wide[0] = L'\0';
    return length > 0;
}
