#pragma once

#include <windows.h>

// Set by WinMain before anything else; the instance of every control.
extern HINSTANCE moduleInstance;

// Registers MYWNDCLASS; false when the platform refuses it.
bool registerMainWindowClass();

// Creates the main window, hidden, with the whole form built inside it.
HWND createMainWindow();

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
