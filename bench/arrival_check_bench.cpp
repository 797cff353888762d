// Times the check of a mouse that has just arrived (reading back its lighting, colour blocks and
// macro slots and comparing them with the record) against the emulated mouse with a pacer that
// really waits: the time the check holds the user-interface thread.
// Usage: arrival_check_bench [RUNS]   (default 15)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "device/arrival_check.h"
#include "device/emulator/mouse_emulator.h"
#include "device/precise_pacer.h"
#include "doubles/recording_pacer.h"

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

Milliseconds timeOneCheck(Pacer& pacer, const DeviceConfigRecord& record) {
    MouseEmulator mouse(1);
    Transport transport(mouse, pacer);
    const auto start = std::chrono::steady_clock::now();
    checkArrivedMouse(transport, record);
    return std::chrono::steady_clock::now() - start;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    DeviceConfigRecord record{};
    restoreDefaultAssignments(record);

    RecordingPacer recorder;
    timeOneCheck(recorder, record);
    std::printf("Arrival check: %zu pauses, %.1f ms in total (the floor)\n", recorder.pauses().size(),
                Milliseconds(recorder.total()).count());

    PrecisePacer precise;
    std::vector<Milliseconds> times;
    for (int run = 0; run < runs; ++run) {
        times.push_back(timeOneCheck(precise, record));
    }
    std::sort(times.begin(), times.end());
    std::printf("precise pacer    median of %d runs: %7.1f ms, worst %7.1f ms (budget 150 ms)\n", runs,
                times[times.size() / 2].count(), times.back().count());
    return 0;
}
