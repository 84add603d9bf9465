// One press of 計算 in-process against two platform floors, each the bare
// messages on the same cells with no computation: what a press sends now
// that a cell is rewritten only when its text changes (13 WM_GETTEXT to read,
// 18 to compare; a repeated press changes nothing), and what it sent when it
// rewrote every cell (13 WM_GETTEXT, 18 WM_SETTEXT).
//   press_bench [rounds] [presses per round]
#include "app/main_window.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// What one press reads and writes: the salary run, then the bonus run.
constexpr int cellsRead[] = {201, 202, 204, 205, 206, 219, 211, 219, 201, 204, 205, 206, 207};
constexpr int cellsWritten[] = {201, 202, 203, 204, 205, 206, 207, 208, 209, 210,
                                211, 212, 213, 214, 215, 216, 217, 218};

double now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void setText(HWND window, int id, const char* text)
{
    SendMessageA(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Seconds per press of one way of doing what a press does, over many.
template <typename Press>
double secondsPerPress(int presses, Press press)
{
    const double start = now();
    for (int i = 0; i < presses; ++i)
        press();
    return (now() - start) / presses;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    const int presses = argc > 2 ? std::atoi(argv[2]) : 2'000;

    moduleInstance = GetModuleHandleA(nullptr);
    registerMainWindowClass();
    const HWND window = createMainWindow();
    ShowWindow(window, SW_SHOWNORMAL);
    const char* example[][2] = {{"201", "200000"}, {"202", "10000"}, {"204", "8200"}, {"205", "1000"},
                                {"206", "13580"},  {"219", "1"},     {"211", "500000"}};
    for (auto& cell : example)
        setText(window, std::atoi(cell[0]), cell[1]);
    SendMessageA(window, WM_COMMAND, 301, 0);

    // The floor writes back exactly the texts the press leaves behind.
    char shown[219 + 1][12] = {};
    for (int id : cellsWritten)
        SendMessageA(GetDlgItem(window, id), WM_GETTEXT, sizeof shown[id], reinterpret_cast<LPARAM>(shown[id]));
    HWND read[std::size(cellsRead)], written[std::size(cellsWritten)];
    for (std::size_t i = 0; i < std::size(cellsRead); ++i)
        read[i] = GetDlgItem(window, cellsRead[i]);
    for (std::size_t i = 0; i < std::size(cellsWritten); ++i)
        written[i] = GetDlgItem(window, cellsWritten[i]);

    std::vector<double> pressTimes, floorTimes, oldFloorTimes;
    for (int round = 0; round < rounds; ++round) {
        pressTimes.push_back(secondsPerPress(presses, [&] { SendMessageA(window, WM_COMMAND, 301, 0); }));
        floorTimes.push_back(secondsPerPress(presses, [&] {
            char text[12];
            for (HWND cell : read)
                SendMessageA(cell, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            for (HWND cell : written)
                SendMessageA(cell, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        }));
        oldFloorTimes.push_back(secondsPerPress(presses, [&] {
            char text[12];
            for (HWND cell : read)
                SendMessageA(cell, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            for (std::size_t c = 0; c < std::size(written); ++c)
                SendMessageA(written[c], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown[cellsWritten[c]]));
        }));
    }
    ShowWindow(window, SW_HIDE);
    DestroyWindow(window);

    const double press = median(pressTimes);
    std::printf("press of 計算: %.2f us (median of %d rounds of %d)\n", press * 1e6, rounds, presses);
    std::printf("floor now (%zu + %zu WM_GETTEXT): %.2f us, ratio %.3f\n", std::size(cellsRead),
                std::size(cellsWritten), median(floorTimes) * 1e6, press / median(floorTimes));
    std::printf("old floor (%zu WM_GETTEXT + %zu WM_SETTEXT): %.2f us, ratio %.3f\n", std::size(cellsRead),
                std::size(cellsWritten), median(oldFloorTimes) * 1e6, press / median(oldFloorTimes));
    return 0;
}
