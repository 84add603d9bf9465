// Reads what the running gensen.exe shows, from outside its process, for the
// end-to-end test: one command a line on stdin, one answer a line on stdout,
// so that a test asking often starts one process.
//   find              window rect and client origin, in screen pixels
//   rect ID           the control's x y width height in the window's client area
//   first ID          the x of the cell's first character in the window's client area
//   selection ID      the cell's selection: start end
//   text ID...        the controls' texts (code page 932), separated by spaces
//   checked ID...     1 or 0 per control
//   title             the window title (code page 932)
//   name ID           the control's accessible name, as a screen reader asks it (code page 932)
//   focus             the id of the control holding the keyboard focus (0: none)
//   tip               the text of gensen's tooltip on screen (code page 932), its lines joined by " / "
//   paint             paints the window now, so that a screenshot shows it
//   clip TEXT         puts the UTF-8 TEXT on the clipboard as Unicode, as a spreadsheet does
//   minimise, restore as the caption's button and the taskbar do
//   close             asks the window to close, as its close box does
// The answer is "none" until a visible MYWNDCLASS window holds its last control.
#include <windows.h>
#include <oleacc.h>

#include "form/control_ids.h"
#include "driving/clipboard.h"
#include "driving/find_control.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// liboleacc.a gives IID_IAccessible as an import thunk, not as data.
constexpr IID accessibleInterface = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// Through the platform's standard proxy, from this process, as Narrator or
// NVDA would ask it.
std::string accessibleName(HWND control)
{
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), accessibleInterface,
                                          reinterpret_cast<void**>(&accessible))) ||
        !accessible)
        return "";
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string out;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name) {
        char text[256] = {};
        WideCharToMultiByte(932, 0, name, -1, text, sizeof text - 1, nullptr, nullptr);
        out = text;
        SysFreeString(name);
    }
    accessible->Release();
    return out;
}

std::string textOf(HWND hwnd)
{
    char text[1024] = {};
    // WM_GETTEXT across processes is marshalled by the system.
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// The tooltip of the window's process that is on screen, if any.
std::string shownTip(HWND window)
{
    struct Search {
        DWORD process;
        HWND tip;
    } search = {0, nullptr};
    GetWindowThreadProcessId(window, &search.process);
    EnumWindows(
        [](HWND candidate, LPARAM lParam) {
            auto& s = *reinterpret_cast<Search*>(lParam);
            DWORD process = 0;
            GetWindowThreadProcessId(candidate, &process);
            char className[32] = {};
            GetClassNameA(candidate, className, sizeof className);
            if (process == s.process && IsWindowVisible(candidate) && std::string(className) == "tooltips_class32")
                s.tip = candidate;
            return s.tip ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.tip)
        return "";
    std::string text = textOf(search.tip), joined;
    for (char c : text)
        joined += c == '\n' ? std::string(" / ") : std::string(1, c);
    return joined;
}

std::string answer(std::istringstream& words)
{
    const HWND window = FindWindowA("MYWNDCLASS", nullptr);
    // The window exists before its controls do and before it is shown.
    if (!window || !IsWindowVisible(window) || !findControl(window, lastButton))
        return "none";
    std::string command, word, out;
    words >> command;
    if (command == "find") {
        RECT r;
        GetWindowRect(window, &r);
        POINT client = {0, 0};
        ClientToScreen(window, &client);
        return (std::ostringstream() << r.left << ' ' << r.top << ' ' << r.right - r.left << ' ' << r.bottom - r.top
                                     << ' ' << client.x << ' ' << client.y)
            .str();
    }
    if (command == "title")
        return textOf(window);
    if (command == "tip")
        return shownTip(window);
    if (command == "first" && words >> word) {
        const HWND cell = findControl(window, std::atoi(word.c_str()));
        POINT first = {static_cast<short>(LOWORD(SendMessageA(cell, EM_POSFROMCHAR, 0, 0))), 0};
        MapWindowPoints(cell, window, &first, 1);
        return std::to_string(first.x);
    }
    if (command == "selection" && words >> word) {
        DWORD start = 0, end = 0;
        SendMessageA(findControl(window, std::atoi(word.c_str())), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return std::to_string(start) + " " + std::to_string(end);
    }
    if (command == "name" && words >> word)
        return accessibleName(findControl(window, std::atoi(word.c_str())));
    if (command == "rect" && words >> word) {
        RECT r;
        const HWND control = findControl(window, std::atoi(word.c_str()));
        if (!control || !GetWindowRect(control, &r))
            return "";
        // A control of a group box too, in the main window's client area.
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
        return (std::ostringstream() << r.left << ' ' << r.top << ' ' << r.right - r.left << ' ' << r.bottom - r.top)
            .str();
    }
    for (bool first = true; (command == "text" || command == "checked") && words >> word; first = false) {
        const HWND control = findControl(window, std::atoi(word.c_str()));
        out += first ? "" : " ";
        out += command == "text" ? textOf(control)
                                 : std::to_string(SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
    }
    if (command == "focus") {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        const bool ours = info.hwndFocus && info.hwndFocus != window && GetAncestor(info.hwndFocus, GA_ROOT) == window;
        out = std::to_string(ours ? GetDlgCtrlID(info.hwndFocus) : 0);
    } else if (command == "paint") {
        // Sent to the window's own thread, which has painted when this returns.
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    } else if (command == "clip" && words >> word) {
        // Only a window can own what it puts there.
        static const HWND owner =
            CreateWindowExA(0, "STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        putOnClipboard(owner, word.c_str());
    } else if (command == "minimise" || command == "restore") {
        PostMessageA(window, WM_SYSCOMMAND, command == "minimise" ? SC_MINIMIZE : SC_RESTORE, 0);
    } else if (command == "close") {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return out;
}

}  // namespace

int main()
{
    CoInitialize(nullptr);
    char line[1024];
    while (std::fgets(line, sizeof line, stdin)) {
        std::istringstream words(line);
        std::printf("%s\n", answer(words).c_str());
        std::fflush(stdout);
    }
    return 0;
}
