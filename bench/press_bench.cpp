// One press of 計算 in-process against two platform floors, each the bare
// messages on the same cells with no computation: what a press sends now
// that a cell is rewritten only when its text changes (13 WM_GETTEXT to read,
// 18 to compare; a repeated press changes nothing), and what it sent when it
// rewrote every cell (13 WM_GETTEXT, 18 WM_SETTEXT). Then the common case, a
// press right after an input changed, against the same messages plus the
// WM_SETTEXT that press sends to each result whose text changes.
//   press_bench [rounds] [presses per round]
#include "app/main_window.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

    // 201 alternates between two pays; what each press leaves behind, and which cells differ.
    const char* pays[2] = {"200000", "300000"};
    char after[2][219 + 1][12] = {};
    for (int k : {0, 1}) {
        setText(window, 201, pays[k]);
        SendMessageA(window, WM_COMMAND, 301, 0);
        for (int id : cellsWritten)
            SendMessageA(GetDlgItem(window, id), WM_GETTEXT, sizeof after[k][id], reinterpret_cast<LPARAM>(after[k][id]));
    }
    std::vector<int> rewritten;
    for (int id : cellsWritten)
        if (std::strcmp(after[0][id], after[1][id]) != 0)
            rewritten.push_back(id);
    const HWND payCell = GetDlgItem(window, 201);
    int turn = 0;

    std::vector<double> pressTimes, floorTimes, oldFloorTimes, changedTimes, changedFloorTimes;
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
        changedTimes.push_back(secondsPerPress(presses, [&] {
            turn ^= 1;
            SendMessageA(payCell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pays[turn]));
            SendMessageA(window, WM_COMMAND, 301, 0);
        }));
        changedFloorTimes.push_back(secondsPerPress(presses, [&] {
            turn ^= 1;
            SendMessageA(payCell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pays[turn]));
            char text[12];
            for (HWND cell : read)
                SendMessageA(cell, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            for (HWND cell : written)
                SendMessageA(cell, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            for (int id : rewritten)
                SendMessageA(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(after[turn][id]));
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
    const double changed = median(changedTimes);
    std::printf("press after 201 changed (its WM_SETTEXT included): %.2f us\n", changed * 1e6);
    std::printf("floor (WM_SETTEXT on 201, %zu + %zu WM_GETTEXT, %zu WM_SETTEXT): %.2f us, ratio %.3f\n",
                std::size(cellsRead), std::size(cellsWritten), rewritten.size(), median(changedFloorTimes) * 1e6,
                changed / median(changedFloorTimes));
    return 0;
}
