#include "app/main_window.h"

#include <imm.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    moduleInstance = instance;
    // No input method in this thread's windows, the buttons and result cells
    // included: digits typed through one are composed, not typed. Documented
    // to work only before the thread's first window.
    ImmDisableIME(0);
    // Without a window the loop would wait forever for a quit that never comes.
    if (!registerMainWindowClass())
        return 1;
    const HWND window = createMainWindow();
    if (!window)
        return 1;
    ShowWindow(window, showCommand);

    MSG message = {};
    BOOL received;
    // In UTF-16: an ANSI loop would pass a character posted to a cell through
    // code page 932, where "²" becomes "2" and passes as a digit. GetMessageW
    // answers -1 on failure, which must end the loop, not spin it.
    while ((received = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return received < 0 ? 1 : static_cast<int>(message.wParam);
}
