#include "cli/command_line.h"

#include <charconv>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/apply_command.h"
#include "cli/command_line_files.h"
#include "cli/config_file_reader.h"
#include "cli/config_summary.h"
#include "cli/key_matrix_listing.h"
#include "cli/macros_command.h"
#include "cli/profile_commands.h"
#include "device/emulator/emulator_fault_names.h"

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsageError = 2;

constexpr const char* kUsage =
    "usage: mousecfg show CONFIG | matrix CONFIG | "
    "macros RECORD_INI [CONFIG] | "
    "apply CONFIG (--emulate | --device) [--sensor N] [--fault NAME=VALUE]... [--trace FILE] | "
    "export CONFIG [--macros RECORD_INI] [--labels STR_INI] [--sensor N] [-o FILE] | "
    "import PROFILE --config OUT [--macros RECORD_INI] [--labels STR_INI]";

int usageError(std::ostream& err, const std::string& problem) {
    err << "mousecfg: " << problem << "; " << kUsage << "\n";
    return kUsageError;
}

bool parseSensorType(const std::string& text, uint8_t& sensorType) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > 0xFF) {
        return false;
    }
    sensorType = static_cast<uint8_t>(value);
    return true;
}

// Runs `print` on the record of the config.bin in arguments[1] (the only argument after the command).
template <typename Printer>
int withConfig(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
               Printer print) {
    if (arguments.size() != 2) {
        return usageError(err, arguments[0] + " takes exactly one CONFIG");
    }
    DeviceConfigRecord record{};
    std::string error;
    if (!readConfigFile(arguments[1], record, error)) {
        err << "mousecfg: " << error << "\n";
        return kFailure;
    }
    out << print(record);
    return kSuccess;
}

// Whether two command-line paths name the same existing file (through links as well).
bool sameFile(const std::string& first, const std::string& second) {
    std::error_code ignored;
    return std::filesystem::equivalent(std::filesystem::path(std::u8string(first.begin(), first.end())),
                                       std::filesystem::path(std::u8string(second.begin(), second.end())),
                                       ignored);
}

int applyCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    ApplyOptions options;
    bool configSeen = false;
    bool deviceChosen = false;
    bool sensorGiven = false;
    bool faultGiven = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--emulate" || argument == "--device") {
            if (deviceChosen) {
                return usageError(err, "choose one of --emulate and --device");
            }
            deviceChosen = true;
            options.emulate = argument == "--emulate";
        } else if (argument == "--sensor") {
            if (!hasValue || !parseSensorType(arguments[++i], options.sensorType)) {
                return usageError(err, "--sensor needs a number from 0 to 255");
            }
            sensorGiven = true;
        } else if (argument == "--fault") {
            std::string problem;
            if (!hasValue || !applyEmulatorFault(arguments[++i], options.faults, problem)) {
                return usageError(err, hasValue ? problem : "--fault needs NAME=VALUE");
            }
            faultGiven = true;
        } else if (argument == "--trace") {
            if (!hasValue) {
                return usageError(err, "--trace needs a FILE");
            }
            options.tracePath = arguments[++i];
        } else if (argument.rfind("--", 0) == 0 || configSeen) {
            return usageError(err, "unexpected argument " + argument);
        } else {
            options.configPath = argument;
            configSeen = true;
        }
    }
    if (!configSeen) {
        return usageError(err, "apply needs a CONFIG");
    }
    if (!deviceChosen) {
        return usageError(err, "apply needs --emulate or --device");
    }
    if (sensorGiven && !options.emulate) {
        return usageError(err, "--sensor only applies to the emulated mouse");
    }
    if (faultGiven && !options.emulate) {
        return usageError(err, "--fault only applies to the emulated mouse");
    }
    if (options.tracePath && sameFile(*options.tracePath, options.configPath)) {
        return usageError(err, "--trace names the configuration file itself");
    }
    if (std::string error; options.tracePath && !checkTraceTarget(*options.tracePath, error)) {
        err << "mousecfg: " << error << "\n";
        return kFailure;
    }
    return runApply(options, out, err);
}

} // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.empty()) {
        return usageError(err, "no command");
    }
    const std::string& command = arguments[0];
    if (command == "show") {
        return withConfig(arguments, out, err, configSummary);
    }
    if (command == "matrix") {
        return withConfig(arguments, out, err, keyMatrixListing);
    }
    if (command == "macros") {
        if (arguments.size() < 2 || arguments.size() > 3) {
            return usageError(err, "macros takes a RECORD_INI and an optional CONFIG");
        }
        return runMacros(arguments[1], arguments.size() == 3 ? std::optional(arguments[2]) : std::nullopt,
                         out, err);
    }
    if (command == "apply") {
        return applyCommand(arguments, out, err);
    }
    if (command == "export") {
        return runExport(arguments, out, err);
    }
    if (command == "import") {
        return runImport(arguments, err);
    }
    return usageError(err, "unknown command " + command);
}
