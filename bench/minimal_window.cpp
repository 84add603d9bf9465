// The platform floor for start-up: one window of gensen's size and title, its loop, nothing else.
#include "bench/bare_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    return runBareWindow(instance, showCommand, nullptr);
}
