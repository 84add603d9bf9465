#pragma once

// Finds a control of the form by its id, as the tests see it from outside:
// a child of the main window, or of one of the two group boxes.
#include <windows.h>

#include <initializer_list>

inline HWND findControl(HWND window, int id)
{
    if (HWND direct = GetDlgItem(window, id))
        return direct;
    for (int group : {303, 304})
        if (HWND child = GetDlgItem(GetDlgItem(window, group), id))
            return child;
    return nullptr;
}
