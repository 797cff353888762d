// Times a switch by the program in front, as the user feels it: from the moment a game comes to the
// front to the last report of the switch on the wire. The switcher asks to be woken after the game
// stayed in front (0.5 s), the profile goes into the program's record, record.ini and str.ini, and
// Apply sends it to the emulated mouse with the pacer that really waits.
// Usage: profile_switch_bench [RUNS]   (default 10)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "config/ini_file.h"
#include "device/apply_configuration.h"
#include "device/connection_exchange.h"
#include "device/emulator/mouse_emulator.h"
#include "device/precise_pacer.h"
#include "macro/macro_store.h"
#include "profile/profile_program_state.h"
#include "profile/profile_state.h"
#include "profile/profile_switcher.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// The emulated mouse, noting when the last report crossed the wire.
class TimedPort : public HidPort {
public:
    explicit TimedPort(HidPort& port) : port_(port) {}

    bool setFeature(std::span<const uint8_t> report) override { return noted(port_.setFeature(report)); }
    bool getFeature(std::span<uint8_t> report) override { return noted(port_.getFeature(report)); }
    bool writeOutput(std::span<const uint8_t> report) override { return noted(port_.writeOutput(report)); }
    bool readInput(std::span<uint8_t> report, std::chrono::milliseconds timeout) override {
        return noted(port_.readInput(report, timeout));
    }
    uint16_t featureLength() const override { return port_.featureLength(); }
    uint16_t inputLength() const override { return port_.inputLength(); }
    uint16_t outputLength() const override { return port_.outputLength(); }

    Clock::time_point lastReport() const { return lastReport_; }

private:
    bool noted(bool result) {
        lastReport_ = Clock::now();
        return result;
    }

    HidPort& port_;
    Clock::time_point lastReport_{};
};

Profile profileWithRate(uint8_t code) {
    ProfileState state;
    restoreDefaultAssignments(state.record);
    state.sensorType = 1;
    state.record.reportIntervalCode = code;
    state.record.lightingMode = 1;
    state.macros = std::vector<ProfileMacro>{{L"Reload", L"1", {L"R   Dn", L"40 ms", L"R   Up"}}};
    return makeProfile(state);
}

SwitchTime sinceStart(Clock::time_point start) {
    return std::chrono::duration_cast<SwitchTime>(Clock::now() - start);
}

struct SwitchTimes {
    Milliseconds total;
    Milliseconds apply;
};

SwitchTimes timeOneSwitch(const std::filesystem::path& folder) {
    const Profile desktop = profileWithRate(1);
    const Profile shooter = profileWithRate(8);
    MouseEmulator mouse(1);
    TimedPort port(mouse);
    PrecisePacer pacer;
    Transport transport(port, pacer);
    DeviceImage image;
    connectionExchange(transport, image);
    IniFile recordIni(folder / "record.ini");
    IniFile strIni(folder / "str.ini");
    MacroStore macros(recordIni);
    DeviceConfigRecord record = recordOfProfile(desktop);
    ProfileSwitcher switcher(
        {{L"Desktop", {}, record}, {L"Shooter", {L"game.exe"}, recordOfProfile(shooter)}}, L"Desktop", record,
        true);

    const Clock::time_point start = Clock::now();
    SwitcherAnswer answer = switcher.foregroundChanged(L"game.exe", sinceStart(start));
    while (!answer.switchTo && answer.checkAgainAt) {
        std::this_thread::sleep_until(start + *answer.checkAgainAt);
        answer = switcher.timerFired(sinceStart(start));
    }
    const Clock::time_point applyStart = Clock::now();
    if (answer.switchTo && answer.switchTo->send) {
        applyProfile(shooter, record, macros, strIni);
        applyConfiguration(transport, record, image.sensor.sensorType, image);
    }
    return {port.lastReport() - start, port.lastReport() - applyStart};
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "profile_switch_bench";
    std::vector<SwitchTimes> times;
    for (int run = 0; run < runs; ++run) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        times.push_back(timeOneSwitch(folder));
    }
    std::filesystem::remove_all(folder);
    const auto medianAndWorst = [&](auto member) {
        std::vector<Milliseconds> values;
        for (const SwitchTimes& t : times) {
            values.push_back(t.*member);
        }
        std::sort(values.begin(), values.end());
        return std::pair(values[values.size() / 2], values.back());
    };
    const auto [total, worstTotal] = medianAndWorst(&SwitchTimes::total);
    const auto [apply, worstApply] = medianAndWorst(&SwitchTimes::apply);
    std::printf("Switch by the program in front, %d runs (stay %lld ms + files + Apply)\n", runs,
                static_cast<long long>(kForegroundStay.count()));
    std::printf("foreground change to last report   median %7.1f ms, worst %7.1f ms (target about 750 ms)\n",
                total.count(), worstTotal.count());
    std::printf("of which files and Apply           median %7.1f ms, worst %7.1f ms (target about 250 ms)\n",
                apply.count(), worstApply.count());
    return 0;
}
