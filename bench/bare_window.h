#pragma once

// The floors gensen's start-up is measured against: a window of its class
// settings, size and title made by bare platform calls, shown, with its loop.
#include <windows.h>

inline LRESULT CALLBACK bareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// buildControls, when given, fills the window before it is shown.
inline int runBareWindow(HINSTANCE instance, int showCommand, void (*buildControls)(HINSTANCE, HWND))
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = bareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    windowClass.lpszClassName = "BAREWNDCLASS";
    RegisterClassExA(&windowClass);
    const HWND window = CreateWindowExA(0, "BAREWNDCLASS", "源泉徴収税額", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                        CW_USEDEFAULT, 550, 365, nullptr, nullptr, instance, nullptr);
    if (buildControls)
        buildControls(instance, window);
    ShowWindow(window, showCommand);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
