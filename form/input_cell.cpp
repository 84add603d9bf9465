// The cells the clerk types into, beyond what an edit control does: a click
// in the blank part selects the number, so that typing replaces it instead of
// adding digits before it, and a paste takes an amount the way people write
// it, or nothing.
#include "form/input_cell.h"

#include "form/pasted_amount.h"

#include <commctrl.h>

#include <string_view>

namespace {

// The cell whose blank part the button last went down in.
HWND pressedInBlank;

struct Selection {
    DWORD start = 0, end = 0;
};

Selection selectionOf(HWND cell)
{
    Selection selection;
    SendMessageA(cell, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
                 reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

// Left of the first character: the empty part of the right-aligned cell. An
// empty cell has no first character (-1), and nothing to select either.
bool isBlankAt(HWND cell, int x)
{
    const LRESULT first = SendMessageA(cell, EM_POSFROMCHAR, 0, 0);
    return x < static_cast<short>(LOWORD(first));
}

LRESULT onButtonDown(HWND cell, WPARAM wParam, LPARAM lParam)
{
    // The platform's handling moves the focus, and the cell left rewrites the
    // form, this cell included: its text is judged only afterwards.
    const LRESULT result = DefSubclassProc(cell, WM_LBUTTONDOWN, wParam, lParam);
    pressedInBlank = isBlankAt(cell, static_cast<short>(LOWORD(lParam))) ? cell : nullptr;
    return result;
}

// Selected on the release: a move with the button down selects from the
// press to the pointer, which in the blank part is nothing. A drag over the
// digits keeps what it selected.
LRESULT onButtonUp(HWND cell, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = DefSubclassProc(cell, WM_LBUTTONUP, wParam, lParam);
    const Selection selection = selectionOf(cell);
    if (pressedInBlank == cell && selection.start == selection.end)
        SendMessageA(cell, EM_SETSEL, 0, -1);
    pressedInBlank = nullptr;
    return result;
}

// The clipboard's text as the digits of an amount with room in the cell.
PastedDigits clipboardDigits(HWND cell, std::size_t room)
{
    PastedDigits digits;
    if (!OpenClipboard(cell))
        return digits;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const char16_t*>(GlobalLock(data))) {
            const std::u16string_view whole(text, GlobalSize(data) / sizeof(char16_t));
            digits = pastedDigits(whole.substr(0, whole.find(u'\0')), room);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return digits;
}

// The digits go in place of the selection as if typed; anything else leaves
// the cell as it was, and the clerk hears it.
void pasteAmount(HWND cell)
{
    const Selection selection = selectionOf(cell);
    char before[64];
    const std::size_t length = static_cast<std::size_t>(GetWindowTextLengthA(cell));
    GetWindowTextA(cell, before, sizeof before);
    std::size_t limit = static_cast<std::size_t>(SendMessageA(cell, EM_GETLIMITTEXT, 0, 0));
    // Longer than the form writes or the clerk can type: no room, and no way back.
    if (length >= sizeof before)
        limit = 0;
    const std::size_t kept = length - (selection.end - selection.start);
    const PastedDigits pasted = clipboardDigits(cell, limit > kept ? limit - kept : 0);
    if (pasted.count) {
        SendMessageA(cell, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pasted.digits));
        // A cell that does not scroll fits what is wider than itself by
        // dropping characters: that would be another amount.
        if (static_cast<std::size_t>(GetWindowTextLengthA(cell)) == kept + pasted.count)
            return;
        SetWindowTextA(cell, before);
        SendMessageA(cell, EM_SETSEL, selection.start, selection.end);
    }
    MessageBeep(MB_OK);
}

LRESULT CALLBACK inputCellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_LBUTTONDOWN: return onButtonDown(cell, wParam, lParam);
    case WM_LBUTTONUP: return onButtonUp(cell, wParam, lParam);
    case WM_PASTE: pasteAmount(cell); return 0;
    case WM_NCDESTROY: RemoveWindowSubclass(cell, inputCellProc, 0); break;
    }
    return DefSubclassProc(cell, message, wParam, lParam);
}

}  // namespace

void adoptInputCell(HWND cell)
{
    SetWindowSubclass(cell, inputCellProc, 0, 0);
}
