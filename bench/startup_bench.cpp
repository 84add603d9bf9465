// Start-up to the first idle message loop, peak memory and file size of
// gensen.exe against two floors, timed side by side: the same window and 42
// controls made by bare platform calls, and a minimal one-window program.
//   startup_bench GENSEN_EXE BARE_FORM_EXE MINIMAL_EXE [rounds]
#include <windows.h>
#include <psapi.h>

#include "bench/clock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double seconds;
    double peakKiB;
};

BOOL CALLBACK closeWindowsOf(HWND window, LPARAM processId)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

bool runOnce(const char* exe, Sample& sample)
{
    std::string commandLine = std::string("\"") + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    WaitForInputIdle(process.hProcess, 60'000);
    sample.seconds = now() - start;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    sample.peakKiB = static_cast<double>(memory.PeakWorkingSetSize) / 1024.0;
    EnumWindows(closeWindowsOf, static_cast<LPARAM>(process.dwProcessId));
    if (WaitForSingleObject(process.hProcess, 30'000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long long fileSize(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    constexpr int programs = 3;
    const char* names[programs] = {"gensen", "bare form", "minimal"};
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 11;
    std::vector<double> time[programs], peak[programs];
    for (int round = 0; round < rounds; ++round) {
        // Rotate which goes first, so none always meets a warmer system.
        for (int k = 0; k < programs; ++k) {
            const int which = (round + k) % programs;
            Sample sample;
            if (!runOnce(argv[1 + which], sample)) {
                std::fprintf(stderr, "cannot start %s\n", argv[1 + which]);
                return 1;
            }
            time[which].push_back(sample.seconds);
            peak[which].push_back(sample.peakKiB);
        }
    }
    long long size[programs];
    for (int i = 0; i < programs; ++i)
        size[i] = fileSize(argv[1 + i]);
    std::printf("start-up to idle (median of %d):", rounds);
    for (int i = 0; i < programs; ++i)
        std::printf(" %s %.1f ms%s", names[i], median(time[i]) * 1e3, i + 1 < programs ? "," : "\n");
    std::printf("peak working set:");
    for (int i = 0; i < programs; ++i)
        std::printf(" %s %.0f KiB%s", names[i], median(peak[i]), i + 1 < programs ? "," : "\n");
    std::printf("file size:");
    for (int i = 0; i < programs; ++i)
        std::printf(" %s %lld bytes%s", names[i], size[i], i + 1 < programs ? "," : "\n");
    for (int floor = 1; floor < programs; ++floor)
        std::printf("gensen / %s: start-up %.3f, peak working set %.3f, size %.3f\n", names[floor],
                    median(time[0]) / median(time[floor]), median(peak[0]) / median(peak[floor]),
                    static_cast<double>(size[0]) / static_cast<double>(size[floor]));
    return 0;
}
