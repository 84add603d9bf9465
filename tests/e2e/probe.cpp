// Reads what the running gensen.exe shows, from outside its process, for the
// end-to-end test: where its window is, what its controls say, which are checked.
//   probe find                 window rect and client origin, in screen pixels
//   probe text ID...           the controls' texts (UTF-8), separated by spaces
//   probe checked ID...        1 or 0 per control
//   probe title                the window title (UTF-8)
//   probe focus                the id of the control holding the keyboard focus (0: none)
//   probe paint                paints the window now, so that a screenshot shows it
//   probe close                asks the window to close, as its close box does
//   probe serve                answers such commands from stdin, one line each,
//                              so that a test asking often starts one process
// Each answer is one line; "none" until a visible MYWNDCLASS window holds its
// last control (exit code 2 for a single command).
#include <windows.h>

#include "form/control_ids.h"
#include "tests/find_control.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The form's texts are code page 932; the test compares UTF-8.
std::string utf8TextOf(HWND hwnd)
{
    char text[256] = {};
    // WM_GETTEXT across processes is marshalled by the system.
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    wchar_t wide[256];
    const int wideLength = MultiByteToWideChar(932, 0, text, -1, wide, 256);
    char utf8[768];
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, wideLength, utf8, sizeof utf8, nullptr, nullptr);
    return std::string(utf8, length > 0 ? length - 1 : 0);
}

HWND shownWindow()
{
    const HWND window = FindWindowA("MYWNDCLASS", nullptr);
    // The window exists before its controls do and before it is shown.
    return window && IsWindowVisible(window) && findControl(window, lastButton) ? window : nullptr;
}

// One answer to one command; false when there is nothing to ask or the command is unknown.
bool answer(const std::vector<std::string>& words, std::string& out)
{
    const HWND window = shownWindow();
    if (!window || words.empty()) {
        out = "none";
        return false;
    }
    const std::string& command = words[0];
    char line[128];
    if (command == "find") {
        RECT r;
        GetWindowRect(window, &r);
        POINT client = {0, 0};
        ClientToScreen(window, &client);
        std::snprintf(line, sizeof line, "%ld %ld %ld %ld %ld %ld", r.left, r.top, r.right - r.left,
                      r.bottom - r.top, client.x, client.y);
        out = line;
    } else if (command == "title") {
        out = utf8TextOf(window);
    } else if (command == "text" || command == "checked") {
        out.clear();
        for (std::size_t i = 1; i < words.size(); ++i) {
            const HWND control = findControl(window, std::atoi(words[i].c_str()));
            if (i > 1)
                out += ' ';
            out += command == "text" ? utf8TextOf(control)
                                     : std::to_string(SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
        }
    } else if (command == "focus") {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        const bool ours = info.hwndFocus && info.hwndFocus != window && GetAncestor(info.hwndFocus, GA_ROOT) == window;
        out = std::to_string(ours ? GetDlgCtrlID(info.hwndFocus) : 0);
    } else if (command == "paint") {
        // Sent to the window's own thread, which has painted when this returns.
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        out = "painted";
    } else if (command == "close") {
        PostMessageA(window, WM_CLOSE, 0, 0);
        out = "closing";
    } else {
        out = "unknown command " + command;
        return false;
    }
    return true;
}

std::vector<std::string> wordsOf(const char* line)
{
    std::vector<std::string> words;
    for (const char* p = line; *p;) {
        const std::size_t skip = std::strspn(p, " \t\r\n");
        const std::size_t length = std::strcspn(p + skip, " \t\r\n");
        if (length)
            words.emplace_back(p + skip, length);
        p += skip + length;
    }
    return words;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string out;
    if (argc > 1 && std::strcmp(argv[1], "serve") == 0) {
        char line[1024];
        while (std::fgets(line, sizeof line, stdin)) {
            answer(wordsOf(line), out);
            std::printf("%s\n", out.c_str());
            std::fflush(stdout);
        }
        return 0;
    }
    const bool answered = answer(std::vector<std::string>(argv + 1, argv + argc), out);
    std::printf("%s\n", out.c_str());
    return answered ? 0 : 2;
}
