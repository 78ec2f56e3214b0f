// Start-up and idle cost of the real program under Wine: the time from
// CreateProcess of Brevane.exe to the first paint of its bench, over a few
// runs, and the CPU a running bench uses while nobody touches it. Prints,
// never asserts.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/build_folders_win.h"

namespace {

struct Program {
    PROCESS_INFORMATION process{};
    double msToFirstPaint = -1;  // -1: it never painted
};

std::string ProgramPath() { return ProgramFolderFile("Brevane.exe"); }

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

Program Start(int run) {
    Program program;
    const std::string name = "BrevaneStartupBench_" + std::to_string(GetCurrentProcessId()) + "_" +
                             std::to_string(run);
    HANDLE painted = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
    SetEnvironmentVariableA("BREVANE_FIRST_PAINT_EVENT", name.c_str());
    std::string exe = ProgramPath();
    STARTUPINFOA startup = {sizeof startup};
    LARGE_INTEGER begin, end;
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &program.process)) {
        std::fprintf(stderr, "cannot start %s\n", exe.c_str());
        CloseHandle(painted);
        return program;
    }
    HANDLE waits[2] = {painted, program.process.hProcess};
    if (WaitForMultipleObjects(2, waits, FALSE, 30000) == WAIT_OBJECT_0) {
        QueryPerformanceCounter(&end);
        program.msToFirstPaint = 1000.0 * Seconds(begin, end);
    }
    CloseHandle(painted);
    return program;
}

struct FrameSearch {
    DWORD process;
    HWND frame;
};

BOOL CALLBACK FindFrame(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<FrameSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (owner == search->process && std::string(cls) == "Brevane") {
        search->frame = window;
        return FALSE;
    }
    return TRUE;
}

void Stop(Program& program) {
    if (!program.process.hProcess) return;
    FrameSearch search{program.process.dwProcessId, nullptr};
    EnumWindows(FindFrame, reinterpret_cast<LPARAM>(&search));
    if (search.frame) PostMessageA(search.frame, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(program.process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(program.process.hProcess, 1);
    CloseHandle(program.process.hThread);
    CloseHandle(program.process.hProcess);
    program.process = {};
}

double CpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    auto seconds = [](FILETIME t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    // Nearest rank: the smallest value with at least that share at or below it.
    size_t rank = static_cast<size_t>(fraction * values.size() + 0.999999);
    rank = std::clamp<size_t>(rank, 1, values.size());
    return values[rank - 1];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const int idleSeconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        Program program = Start(run);
        if (program.msToFirstPaint >= 0) times.push_back(program.msToFirstPaint);
        Stop(program);
    }
    if (times.empty()) {
        std::printf("startup: the bench never painted\n");
        return 0;
    }
    std::printf("startup to first bench paint (%zu runs): median %.0f ms, p95 %.0f ms, min %.0f ms\n",
                times.size(), Percentile(times, 0.5), Percentile(times, 0.95),
                *std::min_element(times.begin(), times.end()));

    Program idle = Start(runs);
    if (idle.msToFirstPaint >= 0) {
        Sleep(1000);  // let start-up work settle
        const double cpuBefore = CpuSeconds(idle.process.hProcess);
        LARGE_INTEGER begin, end;
        QueryPerformanceCounter(&begin);
        Sleep(idleSeconds * 1000);
        QueryPerformanceCounter(&end);
        const double cpu = CpuSeconds(idle.process.hProcess) - cpuBefore;
        const double wall = Seconds(begin, end);
        std::printf("idle bench CPU: %.2f %% of one core (%.3f s of CPU in %.1f s)\n", 100.0 * cpu / wall, cpu,
                    wall);
    }
    Stop(idle);
    std::fflush(stdout);
    return 0;
}
