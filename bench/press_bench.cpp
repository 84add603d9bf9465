// One press of 計算 in-process against the platform floor: the same number of
// WM_GETTEXT and WM_SETTEXT calls on the same cells with no computation.
//   press_bench [rounds] [presses per round]
#include "app/main_window.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// What one press reads and writes: the salary run, then the bonus run.
constexpr int cellsRead[] = {201, 202, 204, 205, 206, 219, 211, 219, 203, 204, 205};
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

    std::vector<double> pressTimes, floorTimes, ratios;
    for (int round = 0; round < rounds; ++round) {
        double start = now();
        for (int i = 0; i < presses; ++i)
            SendMessageA(window, WM_COMMAND, 301, 0);
        const double press = (now() - start) / presses;

        start = now();
        for (int i = 0; i < presses; ++i) {
            char text[12];
            for (HWND cell : read)
                SendMessageA(cell, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            for (std::size_t c = 0; c < std::size(written); ++c)
                SendMessageA(written[c], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown[cellsWritten[c]]));
        }
        const double floor = (now() - start) / presses;
        pressTimes.push_back(press);
        floorTimes.push_back(floor);
        ratios.push_back(press / floor);
    }
    ShowWindow(window, SW_HIDE);
    DestroyWindow(window);

    std::printf("press of 計算: %.2f us (median of %d rounds of %d)\n", median(pressTimes) * 1e6, rounds, presses);
    std::printf("platform floor (%zu WM_GETTEXT + %zu WM_SETTEXT): %.2f us\n", std::size(cellsRead),
                std::size(cellsWritten), median(floorTimes) * 1e6);
    std::printf("ratio: %.3f\n", median(ratios));
    return 0;
}
