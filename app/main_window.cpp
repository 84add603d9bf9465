#include "app/main_window.h"

#include "app/resource_ids.h"
#include "form/figure_descriptions.h"
#include "form/figure_tips.h"
#include "form/form.h"
#include "form/wide_text.h"

#include <commctrl.h>

#include <cstdint>

HINSTANCE moduleInstance;

namespace {

LRESULT buildForm(HWND window)
{
    wchar_t title[16];
    widen("源泉徴収税額", title);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title));
    createLabels(moduleInstance, window);
    setLabelFonts();
    createCells(moduleInstance, window);
    setCellFonts();
    createButtons(moduleInstance, window);
    setButtonFonts();
    setInitialChecks();
    initCells();
    createFigureTips(moduleInstance, window);
    attachFigureDescriptions();
    focusFirstCell();
    return 0;
}

void closeForm(HWND window)
{
    detachFigureDescriptions();
    destroyLabels();
    destroyCells();
    destroyButtons();
    DestroyWindow(window);
}

// The control with the focus as the window loses it. A cell is remembered
// as the focus arrives in it too: some ways of minimising take the focus
// before the window hears that it is inactive.
void rememberFocusOf(HWND window)
{
    const HWND focus = GetFocus();
    if (IsChild(window, focus))
        rememberFocus(focus);
}

void onActivate(HWND window, WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        rememberFocusOf(window);
        hideFigureTipAt();
    }
}

// Minimising takes the focus before any other window is activated.
void onSysCommand(HWND window, WPARAM wParam)
{
    if ((wParam & 0xFFF0) == SC_MINIMIZE)
        rememberFocusOf(window);
}

// The annotations go before the cells they describe, whichever way the window closes.
void onDestroy()
{
    detachFigureDescriptions();
    PostQuitMessage(0);
}

// Activation and restoring give the focus to the main window, not back to
// the cell the clerk was typing in, where the next digits belong.
void restoreFocus(HWND window)
{
    if (IsChild(window, rememberedFocus()))
        SetFocus(rememberedFocus());
}

// WM_COMMAND's wParam: the notification code in the high word, the id in the low.
constexpr std::uint32_t notification(WORD code, int id)
{
    return static_cast<std::uint32_t>(code) << 16 | static_cast<WORD>(id);
}

// BN_CLICKED is 0, so a click's wParam is the bare id.
constexpr std::uint32_t clickOf(int id)
{
    return notification(BN_CLICKED, id);
}

constexpr std::uint32_t killFocusOf(int id)
{
    return notification(EN_KILLFOCUS, id);
}

constexpr std::uint32_t changeOf(int id)
{
    return notification(EN_CHANGE, id);
}

constexpr std::uint32_t setFocusOf(int id)
{
    return notification(EN_SETFOCUS, id);
}

// Every figure follows what the form shows: leaving an input cell (which
// tidies it) or changing an option computes as 計算 does.
bool startsCalculation(std::uint32_t command)
{
    const int id = LOWORD(command);
    return command == clickOf(calculateButton) || (isInputCell(id) && command == killFocusOf(id)) ||
           (isOption(id) && command == clickOf(id));
}

bool isTyping(std::uint32_t command)
{
    return isInputCell(LOWORD(command)) && command == changeOf(LOWORD(command));
}

bool isResultCellLeft(std::uint32_t command)
{
    const int id = LOWORD(command);
    return id >= firstCell && id <= lastCell && !isInputCell(id) && command == killFocusOf(id);
}

bool isFocusArriving(std::uint32_t command)
{
    const int id = LOWORD(command);
    return id >= firstCell && id <= lastCell && command == setFocusOf(id);
}

// The whole 32-bit wParam is matched, so each case is one notification of one
// control; every other notification does nothing.
void onCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    const auto command = static_cast<std::uint32_t>(wParam);
    if (command == clickOf(closeButton))
        closeForm(window);
    else if (startsCalculation(command))
        onCalculate();
    else if (isTyping(command))
        onTyped(static_cast<ControlId>(LOWORD(command)));
    else if (isFocusArriving(command))
        rememberFocus(reinterpret_cast<HWND>(lParam));
    else if (isResultCellLeft(command))
        hideFigureTipAt();
}

}  // namespace

bool registerMainWindowClass()
{
    // The version 6 controls that the manifest asks for are registered by
    // their own library, which must be loaded before the form is built.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    // A Unicode window, so that its title reaches the platform and any
    // reader of it as UTF-16: through an ANSI procedure every text would
    // pass the system's code page.
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = moduleInstance;
    // The program's icon at the sizes the system shows, large and small.
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(moduleInstance, MAKEINTRESOURCEW(GENSEN_ICON_ID), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(moduleInstance, MAKEINTRESOURCEW(GENSEN_ICON_ID), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    // The W form of IDC_ARROW, whatever UNICODE says.
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    windowClass.lpszClassName = L"MYWNDCLASS";
    return RegisterClassExW(&windowClass) != 0;
}

HWND createMainWindow()
{
    return CreateWindowExW(0, L"MYWNDCLASS", nullptr, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 550, 365,
                           nullptr, nullptr, moduleInstance, nullptr);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return buildForm(window);
    case WM_DESTROY: onDestroy(); return 0;
    case WM_COMMAND: onCommand(window, wParam, lParam); return 0;
    case WM_ACTIVATE: onActivate(window, wParam); break;
    case WM_SYSCOMMAND: onSysCommand(window, wParam); break;
    case WM_SETFOCUS: restoreFocus(window); return 0;
    case WM_NOTIFY: return onFigureTipNotify(reinterpret_cast<const NMHDR*>(lParam));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
