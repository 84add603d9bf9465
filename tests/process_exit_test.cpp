// gensen.exe as its own process: both ways of closing it end it with exit code 0.
#include <windows.h>

#include "tests/beside_this_test.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

namespace {

// Ends the process when a test returns early, so that no gensen.exe outlives it.
struct Program {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;

    Program() = default;
    Program(const Program&) = delete;
    ~Program()
    {
        if (!process.hProcess)
            return;
        if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && std::string(className) == "MYWNDCLASS") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

void start(Program& program)
{
    // Another build of it, such as a signed release, when one is named.
    const char* other = std::getenv("GENSEN_EXE");
    const std::string path = other && *other ? other : besideThisTest("gensen.exe");
    std::string commandLine = "\"";
    commandLine.append(path).append("\"");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &program.process)) {
        ADD_FAILURE() << "cannot start " << commandLine << ", error " << GetLastError();
        return;
    }
    // Wine may report the process idle before the window is shown: wait for the state itself.
    WaitForInputIdle(program.process.hProcess, 30'000);
    Search search{program.process.dwProcessId, nullptr};
    for (DWORD waited = 0; !(search.found && IsWindowVisible(search.found)) && waited < 30'000; waited += 50) {
        EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
        Sleep(50);
    }
    program.window = search.found;
}

DWORD exitCodeOf(const Program& program)
{
    DWORD code = 12345;
    if (WaitForSingleObject(program.process.hProcess, 30'000) == WAIT_OBJECT_0)
        GetExitCodeProcess(program.process.hProcess, &code);
    return code;
}

// Whatever the system's code page (this runs under 932, 1252 and 936), the
// exe is titled in Japanese and computes the guide's example.
TEST(ProcessRun, ComputesTheGuidesExampleInAnyCodePage)
{
    Program program;
    start(program);
    ASSERT_NE(program.window, nullptr) << "no MYWNDCLASS window appeared";
    wchar_t title[32] = {};
    GetWindowTextW(program.window, title, 32);
    EXPECT_EQ(std::wstring(title), L"\u6E90\u6CC9\u5FB4\u53CE\u7A0E\u984D") << "code page " << GetACP();
    const std::pair<int, const char*> typed[] = {{201, "400000"}, {202, "10000"}, {204, "8200"}, {205, "1000"},
                                                 {206, "13580"},  {219, "1"},     {211, "500000"}};
    for (auto [id, digits] : typed)
        SendMessageA(GetDlgItem(program.window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(digits));
    const std::pair<int, const char*> computed[] = {{207, "2846"}, {208, "15290"}, {210, "369084"},
                                                    {216, "35142"}, {218, "404133"}};
    for (auto [id, figure] : computed) {
        char shown[16] = {};
        SendMessageA(GetDlgItem(program.window, id), WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
        EXPECT_STREQ(shown, figure) << "cell " << id;
    }
    // A character posted in UTF-16, as another program or the symbol panel
    // sends it, reaches the cell's rules as itself: "²" is refused, not
    // taken as a 2 on its way through code page 932; the 0 after it is typed.
    const HWND pay = GetDlgItem(program.window, 201);
    SendMessageA(pay, EM_SETSEL, 6, 6);
    PostMessageW(pay, WM_CHAR, L'\u00B2', 1);
    PostMessageW(pay, WM_CHAR, L'0', 1);
    char shown[16] = {};
    for (int waited = 0; waited < 10'000 && std::string(shown) != "4000000" && std::string(shown) != "40000020";
         waited += 20) {
        Sleep(20);
        SendMessageA(pay, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
    }
    EXPECT_STREQ(shown, "4000000");
    PostMessageA(GetDlgItem(program.window, 302), BM_CLICK, 0, 0);
    EXPECT_EQ(exitCodeOf(program), 0u);
}

TEST(ProcessExit, CloseButtonEndsWithZero)
{
    Program program;
    start(program);
    ASSERT_NE(program.window, nullptr) << "no MYWNDCLASS window appeared";
    EXPECT_TRUE(IsWindowVisible(program.window));
    PostMessageA(GetDlgItem(program.window, 302), BM_CLICK, 0, 0);
    EXPECT_EQ(exitCodeOf(program), 0u);
}

TEST(ProcessExit, FrameCloseBoxEndsWithZero)
{
    Program program;
    start(program);
    ASSERT_NE(program.window, nullptr) << "no MYWNDCLASS window appeared";
    PostMessageA(program.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(exitCodeOf(program), 0u);
}

}  // namespace
