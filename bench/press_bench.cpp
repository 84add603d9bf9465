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

// What one press reads and writes, in its order: the salary run reads its
// inputs and writes its column, then the bonus run does the same.
struct Step {
    int id;
    bool written;
};
constexpr Step pressSteps[] = {
    {201, false}, {202, false}, {204, false}, {205, false}, {206, false}, {219, false},
    {201, true},  {202, true},  {203, true},  {204, true},  {205, true},  {206, true},  {207, true},
    {208, true},  {209, true},  {210, true},
    {211, false}, {219, false}, {201, false}, {204, false}, {205, false}, {206, false}, {207, false},
    {211, true},  {212, true},  {213, true},  {214, true},  {215, true},  {216, true},  {217, true},  {218, true},
};
constexpr std::size_t cellsWritten = 18, cellsRead = std::size(pressSteps) - cellsWritten;

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

    // The floors send the same messages to the same cells in the same order,
    // and write exactly the texts the presses leave behind: after the example,
    // and after each of two pays that 201 alternates between.
    const char* pays[2] = {"200000", "300000"};
    char shown[3][219 + 1][12] = {};
    for (int k : {2, 0, 1}) {
        if (k < 2)
            setText(window, 201, pays[k]);
        SendMessageA(window, WM_COMMAND, 301, 0);
        for (const Step& step : pressSteps)
            SendMessageA(GetDlgItem(window, step.id), WM_GETTEXT, sizeof shown[k][step.id],
                         reinterpret_cast<LPARAM>(shown[k][step.id]));
    }
    HWND cells[std::size(pressSteps)];
    bool changes[std::size(pressSteps)] = {};
    std::size_t rewritten = 0;
    for (std::size_t i = 0; i < std::size(pressSteps); ++i) {
        cells[i] = GetDlgItem(window, pressSteps[i].id);
        const int id = pressSteps[i].id;
        // 201 already shows the pay set just before the press, which leaves it alone.
        rewritten += changes[i] = pressSteps[i].written && id != 201 && std::strcmp(shown[0][id], shown[1][id]) != 0;
    }
    const HWND payCell = GetDlgItem(window, 201);
    int turn = 0;
    // One press's messages, with each written cell compared, written with the
    // example's text, or compared and written when its text changes.
    enum Writing { compare, write, compareAndWriteChanges };
    auto messages = [&](Writing writing) {
        char text[12];
        for (std::size_t i = 0; i < std::size(pressSteps); ++i) {
            const int id = pressSteps[i].id;
            if (!pressSteps[i].written || writing != write)
                SendMessageA(cells[i], WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            if (pressSteps[i].written && writing == write)
                SendMessageA(cells[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown[2][id]));
            if (writing == compareAndWriteChanges && changes[i])
                SendMessageA(cells[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown[turn][id]));
        }
    };
    auto changePay = [&] {
        turn ^= 1;
        SendMessageA(payCell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pays[turn]));
    };

    std::vector<double> pressTimes, floorTimes, oldFloorTimes, changedTimes, changedFloorTimes;
    for (int round = 0; round < rounds; ++round) {
        setText(window, 201, "200000");
        SendMessageA(window, WM_COMMAND, 301, 0);
        pressTimes.push_back(secondsPerPress(presses, [&] { SendMessageA(window, WM_COMMAND, 301, 0); }));
        floorTimes.push_back(secondsPerPress(presses, [&] { messages(compare); }));
        oldFloorTimes.push_back(secondsPerPress(presses, [&] { messages(write); }));
        changedTimes.push_back(secondsPerPress(presses, [&] {
            changePay();
            SendMessageA(window, WM_COMMAND, 301, 0);
        }));
        changedFloorTimes.push_back(secondsPerPress(presses, [&] {
            changePay();
            messages(compareAndWriteChanges);
        }));
    }
    ShowWindow(window, SW_HIDE);
    DestroyWindow(window);

    const double press = median(pressTimes);
    std::printf("press of 計算: %.2f us (median of %d rounds of %d)\n", press * 1e6, rounds, presses);
    std::printf("floor now (%zu + %zu WM_GETTEXT): %.2f us, ratio %.3f\n", cellsRead, cellsWritten,
                median(floorTimes) * 1e6, press / median(floorTimes));
    std::printf("old floor (%zu WM_GETTEXT + %zu WM_SETTEXT): %.2f us, ratio %.3f\n", cellsRead, cellsWritten,
                median(oldFloorTimes) * 1e6, press / median(oldFloorTimes));
    const double changed = median(changedTimes);
    std::printf("press after 201 changed (its WM_SETTEXT included): %.2f us\n", changed * 1e6);
    std::printf("floor (WM_SETTEXT on 201, %zu + %zu WM_GETTEXT, %zu WM_SETTEXT): %.2f us, ratio %.3f\n",
                cellsRead, cellsWritten, rewritten, median(changedFloorTimes) * 1e6,
                changed / median(changedFloorTimes));
    return 0;
}
