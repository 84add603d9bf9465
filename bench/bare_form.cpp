// The platform floor for start-up with the form: gensen's window and its 42
// controls (same classes, texts, styles, fonts and creation order, the input
// method kept out of the cells one types in) made by bare platform calls, its
// loop, nothing else.
#include "bench/bare_window.h"
#include "form/control_tables.h"

#include <imm.h>

namespace {

HWND created[lastButton + 1];

template <std::size_t N>
void createWithFonts(const ControlRow (&rows)[N], const char* className, DWORD exStyle, HINSTANCE instance,
                     HWND window)
{
    for (const ControlRow& row : rows)
        created[row.id] = CreateWindowExA(exStyle, className, row.text, row.style, row.x, row.y, row.width,
                                          row.height, row.parent ? created[row.parent] : window,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
    for (const ControlRow& row : rows)
        SendMessageA(created[row.id], WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
}

void buildForm(HINSTANCE instance, HWND window)
{
    createWithFonts(labels, "STATIC", 0, instance, window);
    createWithFonts(cells, "EDIT", WS_EX_CLIENTEDGE, instance, window);
    createWithFonts(buttons, "BUTTON", 0, instance, window);
    for (const ControlRow& row : cells)
        if (row.style == inputStyle)
            ImmAssociateContextEx(created[row.id], nullptr, 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    return runBareWindow(instance, showCommand, buildForm);
}
