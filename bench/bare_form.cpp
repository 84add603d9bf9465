// The platform floor for start-up with the form: gensen's window and its 42
// controls made by bare platform calls, its loop, nothing else.
#include "bench/bare_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    return runBareWindow(instance, showCommand, buildBareForm);
}
