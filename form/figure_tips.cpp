// The result cells' tips: the platform's tooltip control, one tool per
// result cell, its text asked for when the tip shows (LPSTR_TEXTCALLBACK).
// Not TTF_SUBCLASS: under Wine its procedure costs some 110 µs a message,
// and every calculation sends each result cell one; the cell's own
// procedure relays the mouse instead.
#include "form/figure_tips.h"

#include "form/control_tables.h"
#include "form/form.h"
#include "form/wide_text.h"

#include <commctrl.h>

namespace {

// The tip under the resting mouse, and the one a click shows below the cell.
HWND hoverTip;
HWND clickTip;
HWND clickTipCell;
bool hoverTipShown;

// About 360 pixels: a tip's lines are composed short enough for it.
constexpr int tipWidth = 360;
// Long enough to read several lines.
constexpr int tipShownFor = 30'000;

HWND createTip(HINSTANCE instance, HWND window, UINT flags)
{
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                     instance, nullptr);
    for (const CellRow& row : cells) {
        if (row.style != resultStyle)
            continue;
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | flags;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(controlWindow(row.id));
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // Windows breaks a tip's lines only with a width set; Wine breaks them without.
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, tipWidth);
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, tipShownFor);
    return tip;
}

TTTOOLINFOW toolOf(HWND cell)
{
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(cell);
    tool.uId = reinterpret_cast<UINT_PTR>(cell);
    return tool;
}

void activateClickTip(BOOL active)
{
    TTTOOLINFOW tool = toolOf(clickTipCell);
    SendMessageW(clickTip, TTM_TRACKACTIVATE, active, reinterpret_cast<LPARAM>(&tool));
}

// The text in a buffer that stays until the next one is asked for, as the
// tooltip requires.
LRESULT giveText(NMTTDISPINFOW* info)
{
    static wchar_t wide[explanationSize];
    char text[explanationSize];
    explainCell(static_cast<ControlId>(GetDlgCtrlID(reinterpret_cast<HWND>(info->hdr.idFrom))), text);
    widen(text, wide);
    info->lpszText = wide;
    info->hinst = nullptr;
    return 0;
}

}  // namespace

void createFigureTips(HINSTANCE instance, HWND window)
{
    clickTipCell = nullptr;
    hoverTipShown = false;
    hoverTip = createTip(instance, window, 0);
    clickTip = createTip(instance, window, TTF_TRACK | TTF_ABSOLUTE);
}

void relayToFigureTip(HWND cell, UINT message, WPARAM wParam, LPARAM lParam)
{
    // One tip at a time: the one below the cell stands for it.
    if (message < WM_MOUSEFIRST || message > WM_MOUSELAST || clickTipCell)
        return;
    MSG relayed = {cell, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageW(hoverTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

LRESULT onFigureTipNotify(const NMHDR* header)
{
    switch (header->code) {
    case TTN_GETDISPINFOW: return giveText(reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(header)));
    case TTN_SHOW: hoverTipShown = hoverTipShown || header->hwndFrom == hoverTip; return 0;
    case TTN_POP: hoverTipShown = hoverTipShown && header->hwndFrom != hoverTip; return 0;
    }
    return 0;
}

void showFigureTipAt(HWND cell)
{
    hideFigureTipAt();
    SendMessageW(hoverTip, TTM_POP, 0, 0);
    RECT place;
    GetWindowRect(cell, &place);
    SendMessageW(clickTip, TTM_TRACKPOSITION, 0, MAKELPARAM(place.left, place.bottom + 2));
    clickTipCell = cell;
    activateClickTip(TRUE);
}

void hideFigureTipAt()
{
    if (!clickTipCell)
        return;
    activateClickTip(FALSE);
    clickTipCell = nullptr;
}

// Only when a tip is on screen: a keystroke composes nothing.
void figuresChanged()
{
    if (hoverTipShown)
        SendMessageW(hoverTip, TTM_POP, 0, 0);
    if (clickTipCell) {
        activateClickTip(FALSE);
        activateClickTip(TRUE);
    }
}
