// Reads what the running gensen.exe shows, from outside its process, for the
// end-to-end test: where its window is, what its controls say, which are checked.
//   probe find                 window rect and client origin, in screen pixels
//   probe text ID...           each control's text (CP932 bytes), one per line
//   probe checked ID...        1 or 0 per control
//   probe title                the window title
//   probe focus                the id of the control holding the keyboard focus (0: none)
//   probe close                asks the window to close, as its close box does
// Exit code 2 until a visible MYWNDCLASS window holds its last control.
#include <windows.h>

#include "form/control_ids.h"
#include "tests/find_control.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void printText(HWND hwnd)
{
    char text[256] = {};
    // WM_GETTEXT across processes is marshalled by the system.
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    std::printf("%s\n", text);
}

}  // namespace

int main(int argc, char** argv)
{
    const HWND window = FindWindowA("MYWNDCLASS", nullptr);
    // The window exists before its controls do and before it is shown.
    if (!window || !IsWindowVisible(window) || !findControl(window, lastButton) || argc < 2)
        return 2;
    if (std::strcmp(argv[1], "find") == 0) {
        RECT r;
        GetWindowRect(window, &r);
        POINT client = {0, 0};
        ClientToScreen(window, &client);
        std::printf("%ld %ld %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top, client.x,
                    client.y);
    } else if (std::strcmp(argv[1], "title") == 0) {
        printText(window);
    } else if (std::strcmp(argv[1], "text") == 0) {
        for (int i = 2; i < argc; ++i)
            printText(findControl(window, std::atoi(argv[i])));
    } else if (std::strcmp(argv[1], "checked") == 0) {
        for (int i = 2; i < argc; ++i)
            std::printf("%d\n", SendMessageA(findControl(window, std::atoi(argv[i])), BM_GETCHECK, 0, 0) == BST_CHECKED);
    } else if (std::strcmp(argv[1], "focus") == 0) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        const bool ours = info.hwndFocus && info.hwndFocus != window && GetAncestor(info.hwndFocus, GA_ROOT) == window;
        std::printf("%d\n", ours ? GetDlgCtrlID(info.hwndFocus) : 0);
    } else if (std::strcmp(argv[1], "close") == 0) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    } else {
        return 3;
    }
    return 0;
}
