#pragma once

// Puts a UTF-8 text on the clipboard as Unicode, as a spreadsheet does, for
// the tests and benchmarks that paste. Shared by what drives gensen from outside.
#include <windows.h>

// False when the clipboard could not be opened or taken.
inline bool putOnClipboard(HWND owner, const char* utf8)
{
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, units * sizeof(wchar_t));
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, static_cast<wchar_t*>(GlobalLock(memory)), units);
    GlobalUnlock(memory);
    // Only a window can own what it puts there.
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool taken = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return taken;
}
