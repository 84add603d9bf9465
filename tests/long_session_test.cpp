// A clerk leaves the program open all day: presses of 計算, each straight
// from a cell typed with a new figure, must not pile up USER, GDI or kernel
// objects.
#include "form/figure_descriptions.h"
#include "tests/form_harness.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// Wine answers GetGuiResources with ERROR_CALL_NOT_IMPLEMENTED and counts no
// handles; there each count is taken directly.
DWORD windowsOfThisThread()
{
    DWORD count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) {
            auto* n = reinterpret_cast<DWORD*>(lParam);
            ++*n;
            EnumChildWindows(window, [](HWND, LPARAM m) { return ++*reinterpret_cast<DWORD*>(m), TRUE; }, lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// The in-use entries of the process's GDI handle table (PEB, offset 0xF8).
DWORD gdiTableEntries()
{
    struct GdiCell {
        std::uint64_t object;
        std::uint32_t owner;
        std::uint16_t unique;
        std::uint8_t type, flags;
        std::uint64_t user;
    };
    const auto* peb = *reinterpret_cast<std::uint8_t* const*>(reinterpret_cast<std::uint8_t*>(NtCurrentTeb()) + 0x60);
    const auto* table = *reinterpret_cast<const GdiCell* const*>(peb + 0xF8);
    DWORD count = 0;
    for (int i = 0; table && i < 0x10000; ++i)
        count += table[i].type != 0;
    return count;
}

// Kernel handles are given out lowest first, so a run of free slots ends them.
DWORD validHandles()
{
    DWORD count = 0;
    int freeInARow = 0;
    for (std::uintptr_t value = 4; freeInARow < 1024; value += 4) {
        DWORD flags;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++count;
            freeInARow = 0;
        } else {
            ++freeInARow;
        }
    }
    return count;
}

struct ObjectCounts {
    DWORD user, gdi, handles;
};

ObjectCounts countObjects()
{
    ObjectCounts counts = {};
    SetLastError(0);
    counts.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    counts.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
        counts.user = windowsOfThisThread();
        counts.gdi = gdiTableEntries();
    }
    GetProcessHandleCount(GetCurrentProcess(), &counts.handles);
    if (counts.handles == 0)
        counts.handles = validHandles();
    return counts;
}

using LongSession = FormTest;

TEST_F(LongSession, PressesLeaveNoObjectsBehind)
{
    // Figures from a fixed pseudo-random sequence, up to eight digits, into
    // each input cell in turn; the check boxes and radio buttons change too.
    const int inputs[] = {201, 202, 204, 205, 206, 211, 219};
    const int switches[] = {305, 306, 308, 310, 307, 309};
    const int results[] = {203, 207, 208, 209, 210, 212, 213, 214, 215, 216, 217, 218};
    std::uint32_t state = 12345;
    auto session = [&](int presses) {
        for (int i = 0; i < presses; ++i) {
            state = state * 1103515245u + 12345u;
            const int cell = inputs[i % std::size(inputs)];
            if (i % 10 == 0)
                click(switches[i / 10 % std::size(switches)]);
            type(cell, std::to_string((state >> 4) % (cell == 219 ? 10 : 100'000'000)).c_str());
            if (i % 10 == 5) {
                // A tip shown by a click, and a screen reader's question answered.
                const auto result = static_cast<ControlId>(results[i / 10 % std::size(results)]);
                SetFocus(control(result));
                SendMessageW(control(result), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
                SendMessageW(control(result), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
                VARIANT description;
                BOOL has = FALSE;
                figureDescriptionServer(result)->GetPropValue(nullptr, 0, PROPID_ACC_DESCRIPTION, &description, &has);
                VariantClear(&description);
            }
            click(301);  // takes the focus, so the cell is left first
            quitPostedWithZero();  // dispatches what the clicks queued, paints included
        }
    };

    // The first presses may allocate what the platform keeps for good; after
    // them, a leak grows each of two equal stretches by one object a press.
    constexpr int presses = 200;
    session(50);
    ObjectCounts counts[3] = {countObjects()};
    for (int stretch = 1; stretch < 3; ++stretch) {
        session(presses);
        counts[stretch] = countObjects();
    }
    auto growth = [&](DWORD ObjectCounts::*kind) {
        std::printf("%lu -> %lu -> %lu, ", counts[0].*kind, counts[1].*kind, counts[2].*kind);
        auto at = [&](int i) { return static_cast<long>(counts[i].*kind); };
        return std::min(at(1) - at(0), at(2) - at(1));
    };
    EXPECT_LT(growth(&ObjectCounts::user), presses / 4) << "USER objects";
    EXPECT_LT(growth(&ObjectCounts::gdi), presses / 4) << "GDI objects";
    EXPECT_LT(growth(&ObjectCounts::handles), presses / 4) << "kernel handles";

    for (int id : {305, 306, 307, 309})
        SendMessageA(control(id), BM_SETCHECK, BST_CHECKED, 0);
    for (int id : {308, 310})
        SendMessageA(control(id), BM_SETCHECK, BST_UNCHECKED, 0);
    fillSalary("200000", "10000", "8200", "1000", "13580", "1");
    typeAndLeave(211, "500000");
    click(301);
    const char* expected[] = {"200000", "10000", "210000", "8200", "1000", "13580", "1491", "3570", "27841",
                              "182159", "500000", "20500", "2775", "33950", "3500", "26356", "87081", "412919"};
    for (int id = 201; id <= 218; ++id)
        EXPECT_EQ(text(id), expected[id - 201]) << "cell " << id;
}

}  // namespace
