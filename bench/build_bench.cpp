// Where gensen's start-up goes beyond a bare window: each step of building
// and first painting the form, in-process, median over rounds.
//   build_bench [rounds]
#include "bench/clock.h"
#include "form/figure_descriptions.h"
#include "form/figure_tips.h"
#include "form/form.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Step {
    const char* name;
    void (*run)(HINSTANCE, HWND);
    std::vector<double> seconds;
};

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 11;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    // The version 6 controls, as gensen.exe has them.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Step steps[] = {
        {"createLabels", [](HINSTANCE i, HWND w) { createLabels(i, w); }, {}},
        {"setLabelFonts", [](HINSTANCE, HWND) { setLabelFonts(); }, {}},
        {"createCells", [](HINSTANCE i, HWND w) { createCells(i, w); }, {}},
        {"setCellFonts", [](HINSTANCE, HWND) { setCellFonts(); }, {}},
        {"createButtons", [](HINSTANCE i, HWND w) { createButtons(i, w); }, {}},
        {"setButtonFonts", [](HINSTANCE, HWND) { setButtonFonts(); }, {}},
        {"setInitialChecks", [](HINSTANCE, HWND) { setInitialChecks(); }, {}},
        {"initCells", [](HINSTANCE, HWND) { initCells(); }, {}},
        {"createFigureTips", [](HINSTANCE i, HWND w) { createFigureTips(i, w); }, {}},
        {"attachFigureDescriptions", [](HINSTANCE, HWND) { attachFigureDescriptions(); }, {}},
        {"show and first paint", [](HINSTANCE, HWND w) { ShowWindow(w, SW_SHOWNORMAL); UpdateWindow(w); }, {}},
    };
    for (int round = 0; round < rounds; ++round) {
        const HWND window = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 550,
                                            365, nullptr, nullptr, instance, nullptr);
        for (Step& step : steps) {
            const double start = now();
            step.run(instance, window);
            step.seconds.push_back(now() - start);
        }
        detachFigureDescriptions();
        ShowWindow(window, SW_HIDE);
        DestroyWindow(window);
    }
    double total = 0;
    for (Step& step : steps) {
        std::sort(step.seconds.begin(), step.seconds.end());
        const double median = step.seconds[step.seconds.size() / 2];
        total += median;
        std::printf("  %-22s %6.1f ms\n", step.name, median * 1e3);
    }
    std::printf("  %-22s %6.1f ms (median of %d)\n", "form in all", total * 1e3, rounds);
    return 0;
}
