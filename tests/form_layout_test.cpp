// The form as the platform built it, read back from the real windows.
#include "tests/form_harness.h"

#include <imm.h>

namespace {

struct Expected {
    int id;
    const char* className;
    const char* text;  // UTF-8; the control must hold its CP932 bytes
    int parent;        // 0: the main window
    int x, y, width, height;
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD label = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD centred = WS_CHILD | WS_VISIBLE | SS_CENTER;
constexpr DWORD input = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_RIGHT;
constexpr DWORD result = input | ES_READONLY;
constexpr DWORD push = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
constexpr DWORD group = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_GROUPBOX;
constexpr DWORD check = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;
constexpr DWORD radio = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr DWORD edge = WS_EX_CLIENTEDGE;

const Expected controls[] = {
    {101, "Static", "課税支給額:", 0, 160, 30, 120, 24, label, 0},
    {102, "Static", "非課税支給額:", 0, 160, 56, 120, 24, label, 0},
    {103, "Static", "支給額合計:", 0, 160, 82, 120, 24, label, 0},
    {104, "Static", "健康保険料:", 0, 160, 108, 120, 24, label, 0},
    {105, "Static", "介護費用保険料:", 0, 160, 134, 120, 24, label, 0},
    {106, "Static", "厚生保険:", 0, 160, 160, 120, 24, label, 0},
    {107, "Static", "雇用保険料:", 0, 160, 186, 120, 24, label, 0},
    {108, "Static", "源泉徴収税:", 0, 160, 212, 120, 24, label, 0},
    {109, "Static", "控除額合計:", 0, 160, 238, 120, 24, label, 0},
    {110, "Static", "差引支給額:", 0, 160, 264, 120, 24, label, 0},
    {111, "Static", "給与", 0, 285, 6, 120, 24, centred, 0},
    {112, "Static", "賞与", 0, 410, 6, 120, 24, centred, 0},
    {113, "Static", "扶養家族数", 0, 6, 250, 120, 24, centred, 0},
    {201, "Edit", "0", 0, 285, 30, 120, 24, input, edge},
    {202, "Edit", "0", 0, 285, 54, 120, 24, input, edge},
    {203, "Edit", "0", 0, 285, 82, 120, 24, result, edge},
    {204, "Edit", "0", 0, 285, 110, 120, 24, input, edge},
    {205, "Edit", "0", 0, 285, 134, 120, 24, input, edge},
    {206, "Edit", "0", 0, 285, 158, 120, 24, input, edge},
    {207, "Edit", "0", 0, 285, 182, 120, 24, result, edge},
    {208, "Edit", "0", 0, 285, 206, 120, 24, result, edge},
    {209, "Edit", "0", 0, 285, 234, 120, 24, result, edge},
    {210, "Edit", "0", 0, 285, 262, 120, 24, result, edge},
    {211, "Edit", "0", 0, 410, 30, 120, 24, input, edge},
    {212, "Edit", "0", 0, 410, 110, 120, 24, result, edge},
    {213, "Edit", "0", 0, 410, 134, 120, 24, result, edge},
    {214, "Edit", "0", 0, 410, 158, 120, 24, result, edge},
    {215, "Edit", "0", 0, 410, 182, 120, 24, result, edge},
    {216, "Edit", "0", 0, 410, 206, 120, 24, result, edge},
    {217, "Edit", "0", 0, 410, 234, 120, 24, result, edge},
    {218, "Edit", "0", 0, 410, 262, 120, 24, result, edge},
    {219, "Edit", "0", 0, 6, 270, 120, 24, input, edge},
    {301, "Button", "計算", 0, 385, 300, 72, 24, push, 0},
    {302, "Button", "閉じる", 0, 458, 300, 72, 24, push, 0},
    {303, "Button", "所得税区分", 0, 6, 6, 130, 100, group, 0},
    {304, "Button", "雇用保険区分", 0, 6, 120, 130, 100, group, 0},
    {305, "Button", "満40歳以上", 303, 6, 22, 120, 18, check, 0},
    {306, "Button", "雇用保険対象", 304, 6, 22, 120, 18, check, 0},
    {307, "Button", "甲欄", 303, 6, 45, 120, 18, radio, 0},
    {308, "Button", "乙欄", 303, 6, 68, 120, 18, radio, 0},
    {309, "Button", "A欄", 304, 6, 45, 120, 18, radio, 0},
    {310, "Button", "B欄", 304, 6, 68, 120, 18, radio, 0},
};

// Bits the platform itself may keep in a control's style; none of them is ours to set.
constexpr DWORD platformBits = WS_CLIPSIBLINGS;

using FormLayout = FormTest;

// The same Japanese through the wide API whatever the system's code page
// (the tests run under 932, 1252 and 936); through the ANSI API under 932,
// the very bytes of 1.4.0.
void expectText(HWND control, const char* utf8)
{
    wchar_t expected[64] = {}, shown[64] = {};
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, expected, 64);
    GetWindowTextW(control, shown, 64);
    EXPECT_EQ(std::wstring(shown), std::wstring(expected)) << "code page " << GetACP();
    if (GetACP() != 932)
        return;
    char bytes[128] = {};
    const LRESULT length = SendMessageA(control, WM_GETTEXT, sizeof bytes, reinterpret_cast<LPARAM>(bytes));
    EXPECT_EQ(std::string(bytes, static_cast<std::size_t>(length)), cp932(utf8));
}

TEST_F(FormLayout, EveryControlAsBuilt)
{
    const HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (const Expected& e : controls) {
        SCOPED_TRACE(e.id);
        const HWND parent = e.parent ? GetDlgItem(window, e.parent) : window;
        const HWND control = GetDlgItem(parent, e.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetParent(control), parent);
        EXPECT_EQ(GetDlgCtrlID(control), e.id);

        char className[64] = {};
        GetClassNameA(control, className, sizeof className);
        EXPECT_STREQ(className, e.className);
        expectText(control, e.text);

        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, e.x);
        EXPECT_EQ(r.top, e.y);
        EXPECT_EQ(r.right - r.left, e.width);
        EXPECT_EQ(r.bottom - r.top, e.height);

        // Version 6 radio buttons keep WS_TABSTOP on the checked one of their group only.
        const DWORD ours = ~(platformBits | (e.style == radio ? WS_TABSTOP : 0));
        const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        EXPECT_EQ(style & ours, e.style & ours) << std::hex << style;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)) & ~WS_EX_NOPARENTNOTIFY, e.exStyle);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), guiFont);
        EXPECT_TRUE(IsWindowEnabled(control));
        const HIMC context = ImmGetContext(control);  // none in what the user types, so no full-width digits
        EXPECT_EQ(context == nullptr, e.style == input);
        ImmReleaseContext(control, context);
    }
}

// Besides the 42 controls only the cells' hidden name labels, 401 to 419.
TEST_F(FormLayout, NoOtherControls)
{
    struct Count {
        int shown = 0, hidden = 0;
    } count;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM counts) {
            Count& c = *reinterpret_cast<Count*>(counts);
            ++(IsWindowVisible(child) ? c.shown : c.hidden);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    EXPECT_EQ(count.shown, static_cast<int>(std::size(controls)));
    EXPECT_EQ(count.hidden, 19);
}

// A screen reader names a cell by the label just before it among its
// siblings: each cell's own, never shown, outside the form's ids.
TEST_F(FormLayout, EachCellHasItsHiddenNameLabelJustBeforeIt)
{
    for (int id = 201; id <= 219; ++id) {
        SCOPED_TRACE(id);
        const HWND name = GetWindow(control(id), GW_HWNDPREV);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(GetDlgCtrlID(name), id + 200);
        char className[64] = {};
        GetClassNameA(name, className, sizeof className);
        EXPECT_STREQ(className, "Static");
        EXPECT_EQ(GetWindowLongA(name, GWL_STYLE) & WS_VISIBLE, 0);
        EXPECT_GT(GetWindowTextLengthA(name), 0);
    }
    for (auto [id, name] : {std::pair{201, "給与 課税支給額"}, {208, "給与 源泉徴収税"}, {212, "賞与 健康保険料"},
                            {219, "扶養家族数"}})
        expectText(GetWindow(control(id), GW_HWNDPREV), name);
}

TEST_F(FormLayout, TypingLimits)
{
    for (int id : {201, 202, 204, 205, 206, 211, 219}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(SendMessageA(control(id), EM_GETLIMITTEXT, 0, 0), 8);
    }
    // The result cells keep the platform's default.
    const LRESULT platformDefault = SendMessageA(control(203), EM_GETLIMITTEXT, 0, 0);
    EXPECT_GT(platformDefault, 32);
    for (int id : {203, 207, 208, 209, 210, 212, 213, 214, 215, 216, 217, 218})
        EXPECT_EQ(SendMessageA(control(id), EM_GETLIMITTEXT, 0, 0), platformDefault) << id;
}

TEST_F(FormLayout, InitialChecks)
{
    EXPECT_TRUE(checked(305));
    EXPECT_TRUE(checked(306));
    EXPECT_TRUE(checked(307));
    EXPECT_FALSE(checked(308));
    EXPECT_TRUE(checked(309));
    EXPECT_FALSE(checked(310));
}

TEST_F(FormLayout, MainWindow)
{
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "MYWNDCLASS");
    expectText(window, "源泉徴収税額");

    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 550);
    EXPECT_EQ(r.bottom - r.top, 365);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(GetMenu(window), nullptr);

    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "MYWNDCLASS", &windowClass));
    EXPECT_EQ(windowClass.style, 0u);
    EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_MENU + 1));
    EXPECT_EQ(windowClass.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_NE(windowClass.hIcon, nullptr);
    EXPECT_NE(windowClass.hIconSm, nullptr);
    EXPECT_EQ(windowClass.cbClsExtra, 0);
    EXPECT_EQ(windowClass.cbWndExtra, 0);
}

TEST_F(FormLayout, ResizingMovesNoControl)
{
    RECT before;
    GetWindowRect(control(218), &before);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&before), 2);
    ShowWindow(window, SW_MAXIMIZE);
    SetWindowPos(window, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    RECT after;
    GetWindowRect(control(218), &after);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&after), 2);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
}

}  // namespace
