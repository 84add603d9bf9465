// Start-up to the first idle message loop, peak memory and file size of
// gensen.exe against a minimal window program, timed side by side.
//   startup_bench GENSEN_EXE MINIMAL_EXE [rounds]
#include <windows.h>
#include <psapi.h>

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

double now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

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
    if (argc < 3)
        return 2;
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 11;
    std::vector<double> time[2], peak[2];
    for (int round = 0; round < rounds; ++round) {
        // Alternate which goes first, so neither always meets a warmer system.
        for (int k = 0; k < 2; ++k) {
            const int which = (round + k) % 2;
            Sample sample;
            if (!runOnce(argv[1 + which], sample)) {
                std::fprintf(stderr, "cannot start %s\n", argv[1 + which]);
                return 1;
            }
            time[which].push_back(sample.seconds);
            peak[which].push_back(sample.peakKiB);
        }
    }
    const long long size[2] = {fileSize(argv[1]), fileSize(argv[2])};
    std::printf("start-up to idle: gensen %.1f ms, minimal %.1f ms, ratio %.3f (median of %d)\n",
                median(time[0]) * 1e3, median(time[1]) * 1e3, median(time[0]) / median(time[1]), rounds);
    std::printf("peak working set: gensen %.0f KiB, minimal %.0f KiB, ratio %.3f\n", median(peak[0]),
                median(peak[1]), median(peak[0]) / median(peak[1]));
    std::printf("file size: gensen %lld bytes, minimal %lld bytes, ratio %.3f\n", size[0], size[1],
                static_cast<double>(size[0]) / static_cast<double>(size[1]));
    return 0;
}
