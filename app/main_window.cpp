#include "app/main_window.h"

#include "form/form.h"

#include <commctrl.h>

#include <cstdint>

HINSTANCE moduleInstance;

namespace {

LRESULT buildForm(HWND window)
{
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("源泉徴収税額"));
    createLabels(moduleInstance, window);
    setLabelFonts();
    createCells(moduleInstance, window);
    setCellFonts();
    createButtons(moduleInstance, window);
    setButtonFonts();
    setInitialChecks();
    initCells();
    return 0;
}

void closeForm(HWND window)
{
    destroyLabels();
    destroyCells();
    destroyButtons();
    DestroyWindow(window);
}

// The control that had the keyboard focus when the window last lost it.
HWND rememberedFocus;

void rememberFocus(HWND window)
{
    const HWND focus = GetFocus();
    if (IsChild(window, focus))
        rememberedFocus = focus;
}

void onActivate(HWND window, WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE)
        rememberFocus(window);
}

// Minimising takes the focus before any other window is activated.
void onSysCommand(HWND window, WPARAM wParam)
{
    if ((wParam & 0xFFF0) == SC_MINIMIZE)
        rememberFocus(window);
}

// Activation and restoring give the focus to the main window, not back to
// the cell the clerk was typing in, where the next digits belong.
void restoreFocus(HWND window)
{
    if (IsChild(window, rememberedFocus))
        SetFocus(rememberedFocus);
}

constexpr std::uint32_t killFocusOf(ControlId cell)
{
    return static_cast<std::uint32_t>(EN_KILLFOCUS) << 16 | static_cast<std::uint32_t>(cell);
}

// The whole 32-bit wParam is matched, so each case is one notification of one
// control; every other notification, including text changes, does nothing.
// Every figure follows what the form shows: leaving an input cell or
// changing an option computes as 計算 does, and typing computes nothing.
void onCommand(HWND window, WPARAM wParam)
{
    switch (static_cast<std::uint32_t>(wParam)) {
    case calculateButton: onCalculate(); break;
    case closeButton: closeForm(window); break;
    case killFocusOf(salaryTaxablePay): onCalculate(); break;
    case killFocusOf(salaryNonTaxablePay): onCalculate(); break;
    case killFocusOf(salaryHealthPremium): onCalculate(); break;
    case killFocusOf(salaryNursingPremium): onCalculate(); break;
    case killFocusOf(salaryPensionPremium): onCalculate(); break;
    case killFocusOf(bonusTaxablePay): onCalculate(); break;
    case killFocusOf(dependentCount): onCalculate(); break;
    case age40Check: onCalculate(); break;
    case employmentInsuredCheck: onCalculate(); break;
    case kouRadio: onCalculate(); break;
    case otsuRadio: onCalculate(); break;
    case categoryARadio: onCalculate(); break;
    case categoryBRadio: onCalculate(); break;
    }
}

}  // namespace

bool registerMainWindowClass()
{
    // The version 6 controls that the manifest asks for are registered by
    // their own library, which must be loaded before the form is built.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = moduleInstance;
    // The program's icon at the sizes the system shows, large and small.
    windowClass.hIcon = static_cast<HICON>(
        LoadImageA(moduleInstance, MAKEINTRESOURCEA(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageA(moduleInstance, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    // The A form of IDC_ARROW, whatever UNICODE says.
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    windowClass.lpszClassName = "MYWNDCLASS";
    return RegisterClassExA(&windowClass) != 0;
}

HWND createMainWindow()
{
    return CreateWindowExA(0, "MYWNDCLASS", nullptr, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 550, 365,
                           nullptr, nullptr, moduleInstance, nullptr);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return buildForm(window);
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_COMMAND: onCommand(window, wParam); return 0;
    case WM_ACTIVATE: onActivate(window, wParam); break;
    case WM_SYSCOMMAND: onSysCommand(window, wParam); break;
    case WM_SETFOCUS: restoreFocus(window); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
