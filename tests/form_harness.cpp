#include "tests/form_harness.h"

#include "app/main_window.h"
#include "driving/clipboard.h"
#include "driving/find_control.h"

std::string cp932(const char* utf8)
{
    wchar_t wide[256];
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 256);
    char bytes[512];
    const int length = WideCharToMultiByte(932, 0, wide, wideLength, bytes, sizeof bytes, nullptr, nullptr);
    return std::string(bytes, length > 0 ? length - 1 : 0);
}

void FormTest::SetUp()
{
    moduleInstance = GetModuleHandleA(nullptr);
    static const bool registered = registerMainWindowClass();
    ASSERT_TRUE(registered);
    window = createMainWindow();
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
}

void FormTest::TearDown()
{
    // Hidden first: Wine with no window manager waits two seconds to destroy
    // a window that holds the focus.
    if (IsWindow(window)) {
        ShowWindow(window, SW_HIDE);
        DestroyWindow(window);
    }
    quitPostedWithZero();
}

HWND FormTest::control(int id) const
{
    return findControl(window, id);
}

std::string FormTest::text(int id) const
{
    char buffer[256] = {};
    const LRESULT length = SendMessageA(control(id), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return std::string(buffer, static_cast<std::size_t>(length));
}

bool FormTest::checked(int id) const
{
    return SendMessageA(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FormTest::type(int id, const char* keys)
{
    const HWND cell = control(id);
    SetFocus(cell);
    SendMessageA(cell, EM_SETSEL, 0, -1);
    for (const char* key = keys; *key; ++key)
        SendMessageA(cell, WM_CHAR, static_cast<unsigned char>(*key), 1);
}

void FormTest::paste(int id, const char* pasted, int start, int end, bool shiftInsert)
{
    ASSERT_TRUE(putOnClipboard(window, pasted));

    const HWND cell = control(id);
    SetFocus(cell);
    SendMessageA(cell, EM_SETSEL, start, end);
    if (!shiftInsert) {
        SendMessageA(cell, WM_PASTE, 0, 0);
        return;
    }
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] |= 0x80;
    SetKeyboardState(keys);
    SendMessageA(cell, WM_KEYDOWN, VK_INSERT, 0x01520001);
    keys[VK_SHIFT] &= ~0x80;
    SetKeyboardState(keys);
}

void FormTest::leave()
{
    SetFocus(window);
}

void FormTest::typeAndLeave(int id, const char* keys)
{
    type(id, keys);
    leave();
}

void FormTest::click(int id)
{
    SendMessageA(control(id), BM_CLICK, 0, 0);
}

void FormTest::fillSalary(const char* taxable, const char* nonTaxable, const char* health, const char* nursing,
                          const char* pension, const char* dependents)
{
    typeAndLeave(201, taxable);
    typeAndLeave(202, nonTaxable);
    typeAndLeave(204, health);
    typeAndLeave(205, nursing);
    typeAndLeave(206, pension);
    typeAndLeave(219, dependents);
}

bool FormTest::quitPostedWithZero()
{
    bool quitWithZero = false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            quitWithZero = message.wParam == 0;
        else
            DispatchMessageA(&message);
    }
    return quitWithZero;
}
