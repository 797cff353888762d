// Measures what a notification-area program costs the machine and prints it beside the same figures
// of a baseline program: the time from start until its notification icon exists, its working set
// and private bytes while it waits in the tray and with its window open, the CPU time it uses over
// an idle stretch, and the time from the first click on the icon until the window is shown and
// painted; last, the median start-to-icon time of each over starts taken in turns. Both programs
// are driven the same way: the window of the given class that the started process owns, icon 1
// with callback message WM_USER + 1 (a left click opens the window), and command 1028 to end.
//
// Under Wine the system's own counters are incomplete for another process (private bytes and CPU
// times read 0), so there the figures come from the Linux process that runs the program, found
// through Wine's Z: drive: working set = VmRSS, private bytes = RssAnon + VmSwap, CPU = utime +
// stime of /proc/PID/stat.
//
// Usage: footprint_bench PROGRAM WINDOW-CLASS BASELINE BASELINE-CLASS [IDLE-SECONDS [START-TURNS]]

#include <windows.h>

#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr UINT kTrayIconMessage = WM_USER + 1;
constexpr UINT kTrayIconId = 1;
constexpr UINT kExitCommand = 1028;
constexpr DWORD kStartTimeoutMs = 60000;
// Time given to start-up work and to the first painting before memory is read.
constexpr DWORD kSettleMs = 3000;

struct Memory {
    double workingSetMiB = 0;
    double privateMiB = 0;
};

struct Footprint {
    double startToIconMs = 0;
    Memory inTray;
    Memory windowOpen;
    double idleCpuMs = 0;
    double firstShowMs = 0;
};

double secondsNow() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The window of `windowClass` that belongs to process `processId`, if it exists yet.
HWND windowOf(const std::wstring& windowClass, DWORD processId) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, windowClass.c_str(), nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) {
            return window;
        }
    }
    return nullptr;
}

// Whether the notification area knows icon 1 of `window`: changing nothing of an unknown icon fails.
bool iconPresent(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = kTrayIconId;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

constexpr double kMiB = 1024.0 * 1024.0;

bool runsUnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::string readLinuxFile(const std::wstring& path) {
    std::ifstream stream(std::filesystem::path(path), std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

// Whether a Linux command line (UTF-8) starts with the Windows path `exe`, letter case aside.
bool startsWithPath(const std::string& commandLine, const std::wstring& exe) {
    const std::string first = commandLine.substr(0, commandLine.find('\0'));
    std::wstring wide(first.size(), L'\0');
    wide.resize(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, first.data(), static_cast<int>(first.size()),
                                                     wide.data(), static_cast<int>(wide.size()))));
    return CompareStringOrdinal(wide.c_str(), static_cast<int>(wide.size()), exe.c_str(),
                                static_cast<int>(exe.size()), TRUE) == CSTR_EQUAL;
}

// The Linux process that runs `exe` under Wine: its command line starts with the Windows path the
// program was started with. 0 when there is none (or not under Wine).
unsigned linuxProcessOf(const std::wstring& exe) {
    if (!runsUnderWine()) {
        return 0;
    }
    WIN32_FIND_DATAW entry{};
    const HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return 0;
    }
    unsigned found = 0;
    do {
        const unsigned pid = wcstoul(entry.cFileName, nullptr, 10);
        if (pid == 0) {
            continue;
        }
        const std::string commandLine =
            readLinuxFile(L"Z:\\proc\\" + std::wstring(entry.cFileName) + L"\\cmdline");
        if (startsWithPath(commandLine, exe)) {
            found = pid;
        }
    } while (found == 0 && FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

// The value in kB of one "Name:   N kB" line of /proc/PID/status.
double statusKiB(const std::string& status, const char* name) {
    const std::size_t line = status.find(std::string("\n") + name + ":");
    return line == std::string::npos ? 0.0
                                     : std::strtod(status.c_str() + line + 2 + std::strlen(name), nullptr);
}

Memory memoryOf(HANDLE process, unsigned linuxPid) {
    if (linuxPid != 0) {
        const std::string status = readLinuxFile(L"Z:\\proc\\" + std::to_wstring(linuxPid) + L"\\status");
        return {statusKiB(status, "VmRSS") / 1024.0,
                (statusKiB(status, "RssAnon") + statusKiB(status, "VmSwap")) / 1024.0};
    }
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    return {static_cast<double>(counters.WorkingSetSize) / kMiB,
            static_cast<double>(counters.PrivateUsage) / kMiB};
}

double cpuMsOf(HANDLE process, unsigned linuxPid) {
    if (linuxPid != 0) {
        // Fields 14 and 15 after the parenthesised name, in clock ticks of 10 ms.
        const std::string stat = readLinuxFile(L"Z:\\proc\\" + std::to_wstring(linuxPid) + L"\\stat");
        std::istringstream fields(stat.substr(stat.rfind(')') + 2));
        std::string field;
        double ticks = 0;
        for (int index = 3; index <= 15 && fields >> field; ++index) {
            if (index >= 14) {
                ticks += std::strtod(field.c_str(), nullptr);
            }
        }
        return ticks * 10.0;
    }
    FILETIME created;
    FILETIME ended;
    FILETIME kernel;
    FILETIME user;
    GetProcessTimes(process, &created, &ended, &kernel, &user);
    const auto ticks = [](FILETIME time) {
        return static_cast<double>(static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 10000.0; // 100-ns ticks
}

// Whether `window` is shown and has nothing left to paint. Child controls paint on their own.
bool shownAndPainted(HWND window) {
    return IsWindowVisible(window) != FALSE && GetUpdateRect(window, nullptr, FALSE) == FALSE;
}

// Polls every millisecond or so until `probe` holds or the time-out has run out.
template <typename Probe>
bool waitUntil(Probe probe, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!probe()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

// A started program: its process and, once the notification icon exists, its window.
struct Started {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    double startToIconMs = 0;
};

// Starts `exe` in its own folder and waits for its notification icon; no window when the icon did
// not come in time. Nothing when the program could not be started.
std::optional<Started> startUntilIcon(const std::wstring& exe, const std::wstring& windowClass) {
    const std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/") + 1);
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    Started started;
    const double startedAt = secondsNow();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started.process)) {
        std::fprintf(stderr, "footprint_bench: cannot start %ls (error %lu)\n", exe.c_str(), GetLastError());
        return std::nullopt;
    }
    CloseHandle(started.process.hThread);
    HWND window = nullptr;
    if (waitUntil(
            [&] {
                window = window != nullptr ? window : windowOf(windowClass, started.process.dwProcessId);
                return window != nullptr && iconPresent(window);
            },
            kStartTimeoutMs)) {
        started.window = window;
        started.startToIconMs = (secondsNow() - startedAt) * 1000.0;
    }
    return started;
}

// Asks the program to exit through its tray menu's Exit and waits for it; ends it where it does not.
void exitProgram(const Started& started) {
    if (started.window != nullptr) {
        PostMessageW(started.window, WM_COMMAND, kExitCommand, 0);
    }
    if (WaitForSingleObject(started.process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(started.process.hProcess, 1);
    }
    CloseHandle(started.process.hProcess);
}

std::optional<Footprint> measure(const std::wstring& exe, const std::wstring& windowClass,
                                 DWORD idleSeconds) {
    const std::optional<Started> started = startUntilIcon(exe, windowClass);
    if (!started) {
        return std::nullopt;
    }
    const PROCESS_INFORMATION& process = started->process;
    const HWND window = started->window;
    const bool iconShown = window != nullptr;
    Footprint result;
    if (iconShown) {
        result.startToIconMs = started->startToIconMs;
        const unsigned linuxPid = linuxProcessOf(exe);
        if (linuxPid == 0 && runsUnderWine()) {
            std::fprintf(stderr,
                         "footprint_bench: no Linux process found for %ls; Wine's own counters follow\n",
                         exe.c_str());
        }
        Sleep(kSettleMs);
        result.inTray = memoryOf(process.hProcess, linuxPid);
        const double cpuBefore = cpuMsOf(process.hProcess, linuxPid);
        Sleep(idleSeconds * 1000);
        result.idleCpuMs = cpuMsOf(process.hProcess, linuxPid) - cpuBefore;
        const double clicked = secondsNow();
        PostMessageW(window, kTrayIconMessage, kTrayIconId, WM_LBUTTONUP);
        waitUntil([&] { return shownAndPainted(window); }, kStartTimeoutMs);
        // The window procedure has returned from the paint once it answers a message sent after it.
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kStartTimeoutMs, &answer);
        result.firstShowMs = (secondsNow() - clicked) * 1000.0;
        Sleep(kSettleMs);
        result.windowOpen = memoryOf(process.hProcess, linuxPid);
    } else {
        std::fprintf(stderr, "footprint_bench: %ls showed no notification icon\n", exe.c_str());
    }
    exitProgram(*started);
    return iconShown ? std::optional<Footprint>(result) : std::nullopt;
}

// The median start-to-icon time of each program over `rounds` starts, the two taking turns so that
// a change of the machine's load weighs on both alike. Nothing when a start showed no icon.
std::optional<std::pair<double, double>>
alternatedStartMedians(const std::wstring& program, const std::wstring& programClass,
                       const std::wstring& baseline, const std::wstring& baselineClass, unsigned rounds) {
    std::vector<double> programTimes;
    std::vector<double> baselineTimes;
    for (unsigned round = 0; round < rounds; ++round) {
        for (auto [exe, windowClass, times] : {std::tuple{&program, &programClass, &programTimes},
                                               std::tuple{&baseline, &baselineClass, &baselineTimes}}) {
            const std::optional<Started> started = startUntilIcon(*exe, *windowClass);
            if (!started) {
                return std::nullopt;
            }
            exitProgram(*started);
            if (started->window == nullptr) {
                return std::nullopt;
            }
            times->push_back(started->startToIconMs);
        }
    }
    const auto median = [](std::vector<double>& times) {
        std::ranges::sort(times);
        return times[times.size() / 2];
    };
    return std::pair{median(programTimes), median(baselineTimes)};
}

void printRow(const char* what, double program, double baseline, const char* unit) {
    std::printf("%-34s %12.1f %s %12.1f %s\n", what, program, unit, baseline, unit);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: footprint_bench PROGRAM WINDOW-CLASS BASELINE BASELINE-CLASS "
                             "[IDLE-SECONDS [START-TURNS]]\n");
        return 2;
    }
    const DWORD idleSeconds = argc > 5 ? wcstoul(argv[5], nullptr, 10) : 30;
    const unsigned rounds = argc > 6 ? wcstoul(argv[6], nullptr, 10) : 9;
    const std::optional<Footprint> program = measure(argv[1], argv[2], idleSeconds);
    const std::optional<Footprint> baseline = measure(argv[3], argv[4], idleSeconds);
    if (!program || !baseline) {
        return 1;
    }
    std::printf("%-34s %15s %15s\n", "", "program", "minimal tray");
    printRow("start to notification icon", program->startToIconMs, baseline->startToIconMs, "ms ");
    printRow("working set, idle in tray", program->inTray.workingSetMiB, baseline->inTray.workingSetMiB,
             "MiB");
    printRow("private bytes, idle in tray", program->inTray.privateMiB, baseline->inTray.privateMiB, "MiB");
    printRow("working set, window open", program->windowOpen.workingSetMiB,
             baseline->windowOpen.workingSetMiB, "MiB");
    printRow("private bytes, window open", program->windowOpen.privateMiB, baseline->windowOpen.privateMiB,
             "MiB");
    char idleLabel[64];
    std::snprintf(idleLabel, sizeof(idleLabel), "CPU time over %lu s idle in tray", idleSeconds);
    printRow(idleLabel, program->idleCpuMs, baseline->idleCpuMs, "ms ");
    printRow("first show of the window", program->firstShowMs, baseline->firstShowMs, "ms ");
    if (rounds > 0) {
        const std::optional<std::pair<double, double>> medians =
            alternatedStartMedians(argv[1], argv[2], argv[3], argv[4], rounds);
        if (!medians) {
            return 1;
        }
        char startLabel[64];
        std::snprintf(startLabel, sizeof(startLabel), "start to icon, median of %u turns", rounds);
        printRow(startLabel, medians->first, medians->second, "ms ");
    }
    return 0;
}
