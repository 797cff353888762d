#include "cli/apply_command.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <utility>

#include "cli/config_file_reader.h"
#include "cli/device_port_factory.h"
#include "device/apply_configuration.h"
#include "device/connection_exchange.h"
#include "device/emulator/mouse_emulator.h"
#include "device/precise_pacer.h"
#include "device/tracing_hid_port.h"
#include "device/tracing_pacer.h"

int runApply(const ApplyOptions& options, std::ostream& out, std::ostream& err) {
    DeviceConfigRecord record{};
    std::string error;
    if (!readConfigFile(options.configPath, record, error)) {
        err << "mousecfg: " << error << "\n";
        return 1;
    }

    std::unique_ptr<HidPort> mouse;
    if (options.emulate) {
        auto emulator = std::make_unique<MouseEmulator>(options.sensorType);
        emulator->setFaults(options.faults);
        mouse = std::move(emulator);
    } else {
        mouse = openDeviceCommandPort(error);
        if (!mouse) {
            err << "mousecfg: " << error << "\n";
            return 1;
        }
    }

    std::ofstream traceFile;
    if (options.tracePath) {
        const std::string& path = *options.tracePath;
        traceFile.open(std::filesystem::path(std::u8string(path.begin(), path.end())),
                       std::ios::binary | std::ios::trunc);
        if (!traceFile) {
            err << "mousecfg: cannot write the trace to " << path << "\n";
            return 1;
        }
    }
    WireTraceSink sink = [&traceFile](const std::string& line) {
        if (traceFile.is_open()) {
            traceFile << line << '\n';
        }
    };

    TracingHidPort port(*mouse, sink);
    PrecisePacer waiting;
    TracingPacer pacer(waiting, sink);
    // One transport per sequence, as the program has: a mouse that failed to answer the connection
    // exchange is still waited for once in Apply.
    Transport connection(port, pacer);
    DeviceImage image;
    const bool connected = connectionExchange(connection, image);
    const uint8_t sensorType = image.sensor.sensorType;
    Transport apply(port, pacer);
    const ApplyOutcome outcome = applyConfiguration(apply, record, sensorType, image);
    traceFile.close();
    if (options.tracePath && traceFile.fail()) {
        err << "mousecfg: the trace could not be written completely to " << *options.tracePath << "\n";
        return 1;
    }
    if (!outcome.taken() || !connected) {
        const std::string failures = describeApplyOutcome(outcome);
        err << "mousecfg: the mouse did not take the settings: "
            << (connected          ? ""
                : failures.empty() ? "connection exchange (sensor settings)"
                                   : "connection exchange (sensor settings); ")
            << failures << "\n";
        return 1;
    }
    out << "Applied " << options.configPath << " to the " << (options.emulate ? "emulated " : "")
        << "mouse (sensor type " << unsigned{sensorType} << ")\n";
    return 0;
}
