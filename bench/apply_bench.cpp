// Times Apply against the emulated mouse with pacers that really wait, and sets the median against
// the sum of the protocol's pauses, the floor no pacer can beat.
// Usage: apply_bench [RUNS]   (default 15)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "device/apply_configuration.h"
#include "device/connection_exchange.h"
#include "device/emulator/mouse_emulator.h"
#include "device/precise_pacer.h"
#include "doubles/recording_pacer.h"

#ifdef _WIN32
#include "device/win/win32_pacer.h"
#endif

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

DeviceConfigRecord benchRecord() {
    DeviceConfigRecord record{};
    restoreDefaultAssignments(record);
    record.reportIntervalCode = 1;
    record.dpiStageEnabled = {1, 1, 1, 1};
    record.lightingMode = 3;
    record.neonColorEffect = 3;
    for (MacroSlot& slot : record.macroSlots) {
        slot.setLoopCount(1);
    }
    return record;
}

Milliseconds timeOneApply(Pacer& pacer, const DeviceConfigRecord& record) {
    MouseEmulator mouse(1);
    Transport transport(mouse, pacer);
    DeviceImage image;
    connectionExchange(transport, image);
    const auto start = std::chrono::steady_clock::now();
    applyConfiguration(transport, record, image.sensor.sensorType, image);
    return std::chrono::steady_clock::now() - start;
}

Milliseconds medianApply(Pacer& pacer, const DeviceConfigRecord& record, int runs) {
    std::vector<Milliseconds> times;
    for (int run = 0; run < runs; ++run) {
        times.push_back(timeOneApply(pacer, record));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const DeviceConfigRecord record = benchRecord();

    RecordingPacer recorder;
    timeOneApply(recorder, record);
    const Milliseconds floor = recorder.total();
    std::printf("Apply: %zu pauses, %.1f ms in total (the floor)\n", recorder.pauses().size(), floor.count());

    RecordingPacer noWaiting;
    const Milliseconds work = medianApply(noWaiting, record, runs);
    std::printf("%-16s median of %d runs: %7.1f ms (the exchange itself)\n", "no waiting", runs,
                work.count());

    SleepingPacer sleeping;
    PrecisePacer precise;
    struct Candidate {
        const char* name;
        Pacer& pacer;
    };
    std::vector<Candidate> candidates{{"sleep_for pacer", sleeping}, {"precise pacer", precise}};
#ifdef _WIN32
    Win32Pacer windowsPacer;
    candidates.push_back({"Windows pacer", windowsPacer});
#endif
    for (const Candidate& candidate : candidates) {
        const Milliseconds median = medianApply(candidate.pacer, record, runs);
        std::printf("%-16s median of %d runs: %7.1f ms, ratio to the floor %.3f\n", candidate.name, runs,
                    median.count(), median / floor);
    }
    return 0;
}
