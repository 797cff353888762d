// Times Apply against an emulated mouse that misbehaves the way broken or unplugged hardware does,
// with the program's read time-out really waited out: how long one click on Apply holds the window.
// The worst of them is the longest the window freezes.
// Usage: apply_freeze_bench [RUNS]   (default 3)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "device/apply_configuration.h"
#include "device/emulator/emulator_fault_names.h"
#include "device/emulator/mouse_emulator.h"
#include "device/precise_pacer.h"
#include "doubles/recording_pacer.h"

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

// Waits the time-outs and keeps them, so the figure can be split into waiting and the rest.
class CountingWaiter : public Pacer {
public:
    void pause(std::chrono::milliseconds duration) override {
        waited_ += duration;
        sleeping_.pause(duration);
    }
    std::chrono::milliseconds waited() const { return waited_; }

private:
    SleepingPacer sleeping_;
    std::chrono::milliseconds waited_{0};
};

struct Figure {
    Milliseconds apply;
    std::chrono::milliseconds timeOuts;
};

Figure timeOneApply(const std::string& faults, const DeviceConfigRecord& record) {
    MouseEmulator mouse(1);
    EmulatorFaults chosen;
    std::string error;
    applyEmulatorFaultList(faults, chosen, error);
    mouse.setFaults(chosen);
    CountingWaiter waiter;
    mouse.setTimeoutWaiter(waiter);
    PrecisePacer pacer;
    Transport transport(mouse, pacer);
    DeviceImage image;
    const auto start = std::chrono::steady_clock::now();
    applyConfiguration(transport, record, 1, image);
    return {std::chrono::steady_clock::now() - start, waiter.waited()};
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    DeviceConfigRecord record{};
    restoreDefaultAssignments(record);
    record.reportIntervalCode = 1;
    record.dpiStageEnabled = {1, 1, 1, 1};

    const char* faults[] = {"",
                            "silent=1",
                            "unplug-after=30",
                            "no-replies=1",
                            "bad-checksum=1",
                            "announced-length=255,chunks-sent=1"};
    std::printf("Apply with a read time-out of %lld ms, median of %d runs\n",
                static_cast<long long>(Transport::kDefaultReadTimeout.count()), runs);
    Milliseconds worst{0};
    for (const char* fault : faults) {
        std::vector<Figure> figures;
        for (int run = 0; run < runs; ++run) {
            figures.push_back(timeOneApply(fault, record));
        }
        std::sort(figures.begin(), figures.end(),
                  [](const Figure& a, const Figure& b) { return a.apply < b.apply; });
        const Figure& median = figures[figures.size() / 2];
        worst = std::max(worst, median.apply);
        std::printf("  %-36s %7.1f ms, of which %lld ms waiting for reports that never came\n",
                    *fault ? fault : "(a mouse that answers)", median.apply.count(),
                    static_cast<long long>(median.timeOuts.count()));
    }
    std::printf("Worst-case freeze of the window by one Apply: %.1f ms\n", worst.count());
    return 0;
}
