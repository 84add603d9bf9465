// gensen's calculation in-process, each way it is started, against a floor of
// the bare platform doing the same in the same run: the same messages to the
// same kind of cells with no computation. A calculation reads the seven
// inputs and the four options, then compares each of the 18 cells it
// computes and rewrites those whose text changes.
//   press_bench [rounds] [repetitions per round]
//
//   keystroke    a digit typed or rubbed out at the end of the pay in 201, which
//                changes the figures at once: the common step now
//   press        a repeated press of 計算, which changes nothing
//   changed      a press right after the pay in 201 changed (its WM_SETTEXT included)
//   leave        the pay in 201 changed and 201 left for 202, after 202 was left for 201:
//                three calculations, the second (on the change) with the changes
//   refused      a paste of "-1" over 201's number, which the cell refuses
//   accepted     a paste of "300,000" over 201's number, which gives 300000
//   tip          a click in 208 that selects it and shows how its figure was made
//                below it, then the tip hidden: its text composed from the form
//                as it stands; floor: a bare tooltip shown and hidden at the same
//                place with the same text given, after the same click's messages
#include "app/main_window.h"
#include "form/figure_tips.h"
#include "form/form.h"
#include "form/wide_text.h"
#include "bench/bare_window.h"
#include "bench/clock.h"
#include "driving/clipboard.h"
#include "driving/find_control.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int inputs[] = {201, 202, 204, 205, 206, 211, 219};
constexpr int options[] = {305, 306, 307, 309};
constexpr int firstWritten = 201, lastWritten = 218;
// One keystroke apart: BackSpace at the end of the first gives the second.
const char* const pays[2] = {"200000", "20000"};

template <typename Step>
double secondsPerStep(int repetitions, Step step)
{
    const double start = now();
    for (int i = 0; i < repetitions; ++i)
        step();
    return (now() - start) / repetitions;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void setText(HWND cell, const char* text)
{
    SendMessageA(cell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// A form's controls by id: gensen's window, or the bare copy.
struct Form {
    HWND window;
    HWND controls[lastButton + 1];
};

// What gensen's cells show after a calculation with each of the two pays.
char shown[2][lastWritten + 1][12];

// One calculation's messages, with no computation: with `pay` set, the
// writes that calculation makes when the pay has just changed to pays[pay].
void calculationMessages(const Form& form, int pay = -1)
{
    char text[12];
    for (int id : inputs)
        SendMessageA(form.controls[id], WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    for (int id : options)
        SendMessageA(form.controls[id], BM_GETCHECK, 0, 0);
    for (int id = firstWritten; id <= lastWritten; ++id) {
        SendMessageA(form.controls[id], WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        // 201 already shows the pay set just before, which the calculation leaves alone.
        if (pay >= 0 && id != 201 && std::strcmp(shown[0][id], shown[1][id]) != 0)
            setText(form.controls[id], shown[pay][id]);
    }
}

struct Result {
    const char* name;
    std::vector<double> gensen = {}, floor = {};
};

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 2'000;

    moduleInstance = GetModuleHandleA(nullptr);
    registerMainWindowClass();
    Form ours = {createMainWindow(), {}}, bare = {createBareWindow(moduleInstance), {}};
    buildBareForm(moduleInstance, bare.window);
    for (int id = 101; id <= lastButton; ++id) {
        ours.controls[id] = findControl(ours.window, id);
        bare.controls[id] = bareControls[id];
    }
    ShowWindow(ours.window, SW_SHOWNORMAL);
    ShowWindow(bare.window, SW_SHOWNORMAL);
    const char* example[][2] = {{"201", "200000"}, {"202", "10000"}, {"204", "8200"}, {"205", "1000"},
                                {"206", "13580"},  {"219", "1"},     {"211", "500000"}};
    for (auto& cell : example)
        setText(ours.controls[std::atoi(cell[0])], cell[1]);
    for (int k : {1, 0}) {
        setText(ours.controls[201], pays[k]);
        SendMessageA(ours.window, WM_COMMAND, 301, 0);
        for (int id = firstWritten; id <= lastWritten; ++id)
            GetWindowTextA(ours.controls[id], shown[k][id], sizeof shown[k][id]);
    }
    // The bare form shows what gensen's does, so that each floor writes the same texts.
    for (int id = firstWritten; id <= 219; ++id) {
        char text[40];
        GetWindowTextA(ours.controls[id], text, sizeof text);
        setText(bare.controls[id], text);
    }

    int turn = 0;
    auto changePay = [&](const Form& form) { setText(form.controls[201], pays[turn ^= 1]); };
    auto paste = [&](const Form& form) {
        SendMessageA(form.controls[201], EM_SETSEL, 0, -1);
        SendMessageA(form.controls[201], WM_PASTE, 0, 0);
    };
    auto press = [&] { SendMessageA(ours.window, WM_COMMAND, 301, 0); };
    // Typed where the caret stands, at the end of the pay.
    auto keystroke = [&](const Form& form) {
        SendMessageA(form.controls[201], WM_CHAR, (turn ^= 1) ? VK_BACK : '0', 1);
    };
    auto typeIn = [&](const Form& form) {
        SetFocus(form.controls[201]);
        SendMessageA(form.controls[201], EM_SETSEL, 6, 6);
    };
    char explained[explanationSize];
    explainCell(salaryWithholdingTax, explained);
    static wchar_t tipText[explanationSize];
    widen(explained, tipText);
    const HWND bareTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, bare.window,
                                         nullptr, moduleInstance, nullptr);
    TTTOOLINFOW bareTool = {};
    bareTool.cbSize = sizeof bareTool;
    bareTool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    bareTool.hwnd = bare.window;
    bareTool.uId = reinterpret_cast<UINT_PTR>(bare.controls[208]);
    bareTool.lpszText = tipText;
    SendMessageW(bareTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&bareTool));
    SendMessageW(bareTip, TTM_SETMAXTIPWIDTH, 0, 360);
    auto showTip = [&] {
        SendMessageW(ours.controls[208], WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        hideFigureTipAt();
    };
    auto showBareTip = [&] {
        const HWND cell = bare.controls[208];
        SendMessageW(cell, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        DWORD start = 0, end = 0;
        SendMessageW(cell, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        SendMessageW(cell, EM_SETSEL, 0, -1);
        RECT place;
        GetWindowRect(cell, &place);
        SendMessageW(bareTip, TTM_TRACKPOSITION, 0, MAKELPARAM(place.left, place.bottom + 2));
        SendMessageW(bareTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&bareTool));
        SendMessageW(bareTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&bareTool));
    };
    Result results[] = {{"keystroke"}, {"press"}, {"changed"}, {"leave"}, {"refused"}, {"accepted"}, {"tip"}};
    for (int round = 0; round < rounds; ++round) {
        setText(ours.controls[201], pays[turn = 0]);
        setText(bare.controls[201], pays[0]);
        press();
        typeIn(ours);
        results[0].gensen.push_back(secondsPerStep(repetitions, [&] { keystroke(ours); }));
        typeIn(bare);
        results[0].floor.push_back(
            secondsPerStep(repetitions, [&] { keystroke(bare), calculationMessages(bare, turn); }));
        // Set, not typed: no cell has the focus.
        SetFocus(nullptr);
        setText(ours.controls[201], pays[turn = 0]);
        setText(bare.controls[201], pays[0]);
        press();
        results[1].gensen.push_back(secondsPerStep(repetitions, press));
        results[1].floor.push_back(secondsPerStep(repetitions, [&] { calculationMessages(bare); }));
        results[2].gensen.push_back(secondsPerStep(repetitions, [&] { changePay(ours), press(); }));
        results[2].floor.push_back(
            secondsPerStep(repetitions, [&] { changePay(bare), calculationMessages(bare, turn); }));
        results[3].gensen.push_back(secondsPerStep(repetitions, [&] {
            SetFocus(ours.controls[201]);
            changePay(ours);
            SetFocus(ours.controls[202]);
        }));
        // Three calculations: on entering 201, on its change, on leaving it.
        results[3].floor.push_back(secondsPerStep(repetitions, [&] {
            SetFocus(bare.controls[201]);
            calculationMessages(bare);
            changePay(bare);
            calculationMessages(bare, turn);
            SetFocus(bare.controls[202]);
            calculationMessages(bare);
        }));
        SetFocus(nullptr);
        putOnClipboard(ours.window, "-1");
        results[4].gensen.push_back(secondsPerStep(repetitions, [&] { paste(ours); }));
        results[4].floor.push_back(secondsPerStep(repetitions, [&] { paste(bare); }));
        putOnClipboard(ours.window, "300,000");
        results[5].gensen.push_back(secondsPerStep(repetitions, [&] { paste(ours); }));
        results[5].floor.push_back(secondsPerStep(repetitions, [&] { paste(bare); }));
        // Fewer: a tip is shown once in a while, not a thousand times a second.
        results[6].gensen.push_back(secondsPerStep(repetitions / 10 + 1, showTip));
        results[6].floor.push_back(secondsPerStep(repetitions / 10 + 1, showBareTip));
    }
    for (const Form& form : {ours, bare}) {
        ShowWindow(form.window, SW_HIDE);
        DestroyWindow(form.window);
    }

    std::printf("median of %d rounds of %d; floor: the bare platform's messages for the same step\n", rounds,
                repetitions);
    for (const Result& result : results)
        std::printf("%-9s gensen %9.2f us, floor %9.2f us, ratio %.3f\n", result.name, median(result.gensen) * 1e6,
                    median(result.floor) * 1e6, median(result.gensen) / median(result.floor));
    return 0;
}
