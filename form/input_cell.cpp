// The cells the clerk types into, beyond what an edit control does: a click
// that brings the focus in, or would put the caret before the number,
// selects it, so that typing replaces it instead of adding digits to it;
// every paste takes an amount the way people write it, or nothing; and
// whatever changes the text, only digits stay. A click in a result cell
// selects its number, ready to copy.
#include "form/input_cell.h"

#include "form/control_ids.h"
#include "form/figure_tips.h"
#include "form/form_io.h"
#include "form/pasted_amount.h"
#include "form/subclass.h"
#include "form/typing_limits.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>

namespace {

// The cell in which the button last went down to select the number.
HWND pressedToSelect;

struct Selection {
    DWORD start = 0, end = 0;
};

// What each input cell last held that its rules took, and where the caret
// stood before the latest message that may change the text.
struct Kept {
    char text[amountCellLimit + 1] = {};
    Selection place;
};

// One per cell id, and a spare last one for any other control: never memory
// past the table.
Kept kept[lastCell - firstCell + 2];

Kept& keptOf(HWND cell)
{
    const auto slot = static_cast<std::size_t>(GetDlgCtrlID(cell) - firstCell);
    return kept[std::min(slot, std::size(kept) - 1)];
}

Selection selectionOf(HWND cell)
{
    Selection selection;
    SendMessageA(cell, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
                 reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

void selectAll(HWND cell)
{
    SendMessageA(cell, EM_SETSEL, 0, -1);
}

// After the platform's own release: a move with the button down selected from
// the press to the pointer, and such a drag keeps what it selected.
LRESULT releaseSelecting(HWND cell, WPARAM wParam, LPARAM lParam, bool select)
{
    const LRESULT result = callPlatform(cell, WM_LBUTTONUP, wParam, lParam);
    const Selection selection = selectionOf(cell);
    if (select && selection.start == selection.end)
        selectAll(cell);
    return result;
}

// The blank part of the right-aligned cell and the left half of its first
// character: where the caret would stand before the number. An empty cell
// has nothing to select.
bool isBeforeNumber(HWND cell, LPARAM point)
{
    return GetWindowTextLengthA(cell) > 0 && LOWORD(SendMessageA(cell, EM_CHARFROMPOS, 0, point)) == 0;
}

// A click that brings the focus in selects the number wherever it lands: a
// caret inside it would add the next digits to an amount nobody typed.
LRESULT onButtonDown(HWND cell, WPARAM wParam, LPARAM lParam)
{
    const bool entering = GetFocus() != cell;
    // The platform's handling moves the focus, and the cell left rewrites the
    // form, this cell included: the place is judged only afterwards.
    const LRESULT result = callPlatform(cell, WM_LBUTTONDOWN, wParam, lParam);
    pressedToSelect = entering || isBeforeNumber(cell, lParam) ? cell : nullptr;
    return result;
}

// Selected on the release, so that a drag over the digits keeps what it selected.
LRESULT onButtonUp(HWND cell, WPARAM wParam, LPARAM lParam)
{
    const bool select = pressedToSelect == cell;
    pressedToSelect = nullptr;
    return releaseSelecting(cell, wParam, lParam, select);
}

// A right click that brings the focus in, or before the number, selects it
// too, so that the menu's 貼り付け replaces it. The focus comes first, so
// that the cell left has rewritten the form before the place is judged.
LRESULT onRightButtonDown(HWND cell, WPARAM wParam, LPARAM lParam)
{
    const bool entering = GetFocus() != cell;
    if (entering)
        SetFocus(cell);
    if (entering || isBeforeNumber(cell, lParam))
        selectAll(cell);
    return callPlatform(cell, WM_RBUTTONDOWN, wParam, lParam);
}

// Another program may hold the clipboard for a moment.
bool openClipboard(HWND owner)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(10);
    }
    return false;
}

// The clipboard's text as the digits of an amount with room in the cell.
PastedDigits clipboardDigits(HWND cell, std::size_t room)
{
    PastedDigits digits;
    if (!openClipboard(cell))
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
        // The room above keeps a paste within the cell's limit; should the
        // platform still insert less (a cell that does not scroll fits what
        // is wider than itself by dropping characters), it would be another
        // amount.
        if (static_cast<std::size_t>(GetWindowTextLengthA(cell)) == kept + pasted.count)
            return;
        SetWindowTextA(cell, before);
        SendMessageA(cell, EM_SETSEL, selection.start, selection.end);
    }
    MessageBeep(MB_OK);
}

// Shift+Insert pastes without WM_PASTE: the edit control inserts the
// clipboard itself, so the key must not reach it.
LRESULT onKeyDown(HWND cell, WPARAM key, LPARAM lParam)
{
    if (key == VK_INSERT && GetKeyState(VK_SHIFT) < 0) {
        pasteAmount(cell);
        return 0;
    }
    return callPlatform(cell, WM_KEYDOWN, key, lParam);
}

bool canUndo(HWND cell)
{
    return SendMessageA(cell, EM_CANUNDO, 0, 0) != 0;
}

// Every printable character but a digit is refused here, with a beep, before
// the platform sees it: comctl32 6 would open its balloon over the next rows
// for what ES_NUMBER refuses. Tab and Enter mean nothing in a one-line cell.
// Ctrl+Z with nothing to undo would move the caret. Ctrl+Backspace types
// 0x7F, which the version 6 edit may answer with the same balloon.
LRESULT onChar(HWND cell, WPARAM c, LPARAM lParam)
{
    if (c == '\t' || c == '\r' || c == '\n')
        return 0;
    if (c == 0x1A && !canUndo(cell))
        return 0;
    if (c >= 0x20 && !(c >= '0' && c <= '9')) {
        MessageBeep(MB_OK);
        return 0;
    }
    return callPlatform(cell, WM_CHAR, c, lParam);
}

// The messages by which the text may change: the caret's place before each
// is kept, for a change that is undone.
bool mayChangeText(UINT message)
{
    switch (message) {
    case WM_CHAR: case WM_KEYDOWN: case WM_SETTEXT: case EM_REPLACESEL: case WM_PASTE: case WM_CUT: case WM_CLEAR:
    case WM_UNDO: case EM_UNDO: case WM_CONTEXTMENU: case WM_IME_CHAR: case WM_IME_COMPOSITION: case WM_UNICHAR:
        return true;
    }
    return false;
}

LRESULT CALLBACK inputCellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (mayChangeText(message))
        keptOf(cell).place = selectionOf(cell);
    switch (message) {
    case WM_LBUTTONDOWN: return onButtonDown(cell, wParam, lParam);
    case WM_LBUTTONUP: return onButtonUp(cell, wParam, lParam);
    case WM_RBUTTONDOWN: return onRightButtonDown(cell, wParam, lParam);
    case WM_PASTE: pasteAmount(cell); return 0;
    case WM_KEYDOWN: return onKeyDown(cell, wParam, lParam);
    case WM_CHAR: return onChar(cell, wParam, lParam);
    case WM_UNDO: case EM_UNDO: return canUndo(cell) ? callPlatform(cell, message, wParam, lParam) : 0;
    }
    return callPlatform(cell, message, wParam, lParam);
}

// A click, not a drag, selects the whole result, and shows how it was made
// below the cell; a key hides that again.
LRESULT CALLBACK resultCellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam)
{
    relayToFigureTip(cell, message, wParam, lParam);
    switch (message) {
    case WM_LBUTTONUP: {
        const LRESULT result = releaseSelecting(cell, wParam, lParam, true);
        showFigureTipAt(cell);
        return result;
    }
    case WM_KEYDOWN: case WM_SYSKEYDOWN: hideFigureTipAt(); break;
    }
    return callPlatform(cell, message, wParam, lParam);
}

// The text as the control holds it, in UTF-16: through code page 932 a
// character outside it would read as "?" or as a look-alike digit ("²").
// The digits go into text, which comes zeroed.
bool digitsOnly(HWND cell, char (&text)[amountCellLimit + 1])
{
    wchar_t wide[amountCellLimit + 2] = {};
    const LRESULT length = callPlatform(cell, WM_GETTEXT, std::size(wide), reinterpret_cast<LPARAM>(wide));
    if (length < 0 || length > amountCellLimit)
        return false;
    for (LRESULT i = 0; i < length; ++i) {
        if (!(wide[i] >= L'0' && wide[i] <= L'9'))
            return false;
        text[i] = static_cast<char>(wide[i]);
    }
    return true;
}

}  // namespace

bool takeCellChange(HWND cell)
{
    Kept& cellKept = keptOf(cell);
    char text[amountCellLimit + 1] = {};
    if (digitsOnly(cell, text)) {
        std::memcpy(cellKept.text, text, sizeof text);
        return true;
    }
    const Selection place = cellKept.place;
    {
        const OwnWrite ownWrite;
        SendMessageA(cell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(cellKept.text));
    }
    SendMessageA(cell, EM_SETSEL, place.start, place.end);
    MessageBeep(MB_OK);
    return false;
}

void adoptInputCell(HWND cell)
{
    subclass(cell, inputCellProc);
}

void adoptResultCell(HWND cell)
{
    subclass(cell, resultCellProc);
}
