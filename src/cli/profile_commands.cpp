#include "cli/profile_commands.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <system_error>

#include "cli/config_file_reader.h"
#include "config/config_file.h"
#include "config/ini_file.h"
#include "macro/macro_store.h"
#include "profile/profile_reader.h"
#include "profile/profile_state.h"
#include "profile/profile_stores.h"
#include "profile/profile_writer.h"

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsageError = 2;

// Far beyond a profile with twelve macros at their longest and the labels of four languages.
constexpr std::uintmax_t kLargestProfile = 4u << 20;

constexpr const char* kExportUsage =
    "usage: mousecfg export CONFIG [--macros RECORD_INI] [--labels STR_INI] [--sensor N] [-o FILE]";
constexpr const char* kImportUsage =
    "usage: mousecfg import PROFILE --config OUT [--macros RECORD_INI] [--labels STR_INI]";

std::filesystem::path pathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

int usageError(std::ostream& err, const std::string& problem, const char* usage) {
    err << "mousecfg: " << problem << "; " << usage << "\n";
    return kUsageError;
}

int failure(std::ostream& err, const std::string& problem) {
    err << "mousecfg: " << problem << "\n";
    return kFailure;
}

// The command's arguments: one positional and the options named in `valued`, each with a value.
struct ParsedArguments {
    std::optional<std::string> positional;
    std::map<std::string, std::string> options;
    std::string problem;
};

ParsedArguments parseArguments(const std::vector<std::string>& arguments,
                               std::initializer_list<std::string_view> valued) {
    ParsedArguments parsed;
    for (std::size_t i = 1; i < arguments.size() && parsed.problem.empty(); ++i) {
        const std::string& argument = arguments[i];
        if (std::ranges::find(valued, argument) != valued.end()) {
            if (i + 1 == arguments.size()) {
                parsed.problem = argument + " needs a value";
            } else if (!parsed.options.emplace(argument, arguments[i + 1]).second) {
                parsed.problem = argument + " is given twice";
            }
            ++i;
        } else if (argument.starts_with("-") || parsed.positional) {
            parsed.problem = "unexpected argument " + argument;
        } else {
            parsed.positional = argument;
        }
    }
    return parsed;
}

bool isRegularFile(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(pathFromUtf8(path), ignored);
}

std::optional<uint8_t> sensorTypeOf(const std::string& text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > 0xFF) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(value);
}

// The file beside `target` that is written first and then renamed over it.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".profile-tmp";
    return temporary;
}

// Files written beside their targets and put in their places only once all of them are written;
// whatever is left unreplaced is removed again.
class StagedFiles {
public:
    ~StagedFiles() {
        for (const auto& [temporary, target] : staged_) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
        }
    }

    // A fresh temporary for `target`: empty, or a copy of the target when `copyTarget` and it exists.
    std::optional<std::filesystem::path> stage(const std::filesystem::path& target, bool copyTarget) {
        const std::filesystem::path temporary = temporaryBeside(target);
        std::error_code error;
        std::filesystem::remove(temporary, error);
        if (copyTarget && std::filesystem::exists(target, error)) {
            std::filesystem::copy_file(target, temporary, error);
            if (error) {
                return std::nullopt;
            }
        }
        staged_.emplace_back(temporary, target);
        return temporary;
    }

    // Renames every temporary over its target; false at the first that fails.
    bool commit() {
        PortableConfigFileWriter writer;
        while (!staged_.empty()) {
            if (writer.replaceFile(staged_.front().first, staged_.front().second) != 0) {
                return false;
            }
            staged_.erase(staged_.begin());
        }
        return true;
    }

private:
    std::vector<std::pair<std::filesystem::path, std::filesystem::path>> staged_;
};

bool writeText(const std::filesystem::path& path, const std::string& text) {
    PortableConfigFileWriter writer;
    return writer.writeNewFile(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())) ==
           0;
}

bool readText(const std::filesystem::path& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

} // namespace

int runExport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const ParsedArguments parsed = parseArguments(arguments, {"--macros", "--labels", "--sensor", "-o"});
    if (!parsed.problem.empty() || !parsed.positional) {
        return usageError(err, parsed.problem.empty() ? "export needs a CONFIG" : parsed.problem,
                          kExportUsage);
    }
    ProfileState state;
    if (const auto sensor = parsed.options.find("--sensor"); sensor != parsed.options.end()) {
        const std::optional<uint8_t> sensorType = sensorTypeOf(sensor->second);
        if (!sensorType) {
            return usageError(err, "--sensor needs a number from 0 to 255", kExportUsage);
        }
        state.sensorType = *sensorType;
    }
    std::string error;
    if (!readConfigFile(*parsed.positional, state.record, error)) {
        return failure(err, error);
    }
    for (const char* option : {"--macros", "--labels"}) {
        const auto path = parsed.options.find(option);
        if (path == parsed.options.end()) {
            continue;
        }
        if (!isRegularFile(path->second)) {
            return failure(err, "cannot open " + path->second + " as a file");
        }
        IniFile file(pathFromUtf8(path->second));
        if (std::string_view(option) == "--macros") {
            MacroStore store(file);
            state.macros = readProfileMacros(store);
        } else {
            state.labels = readProfileLabels(file);
        }
    }
    const std::string text = writeProfileText(makeProfile(state));
    // A profile that import would refuse is not written: only a macro too long for the mouse (a
    // hand-edited record.ini) or a label or macro the INI files could not give back makes one.
    const auto checked = readProfileText(text);
    if (const auto* refusal = std::get_if<ProfileRefusal>(&checked)) {
        return failure(err, "cannot export: " + refusal->reason);
    }
    const auto output = parsed.options.find("-o");
    if (output == parsed.options.end()) {
        out << text;
        return kSuccess;
    }
    StagedFiles files;
    const std::optional<std::filesystem::path> temporary = files.stage(pathFromUtf8(output->second), false);
    if (!temporary || !writeText(*temporary, text) || !files.commit()) {
        return failure(err, "cannot write " + output->second);
    }
    return kSuccess;
}

int runImport(const std::vector<std::string>& arguments, std::ostream& err) {
    const ParsedArguments parsed = parseArguments(arguments, {"--config", "--macros", "--labels"});
    if (!parsed.problem.empty() || !parsed.positional || !parsed.options.contains("--config")) {
        return usageError(err,
                          !parsed.problem.empty() ? parsed.problem
                          : !parsed.positional    ? "import needs a PROFILE"
                                                  : "import needs --config OUT",
                          kImportUsage);
    }
    const std::string& profilePath = *parsed.positional;
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(pathFromUtf8(profilePath), sizeError);
    std::string text;
    if (!isRegularFile(profilePath) || sizeError || size > kLargestProfile ||
        !readText(pathFromUtf8(profilePath), text)) {
        return failure(err, "cannot read " + profilePath + " as a profile");
    }
    const auto read = readProfileText(text);
    if (const auto* refusal = std::get_if<ProfileRefusal>(&read)) {
        err << profilePath << ":" << refusal->line << ": " << refusal->reason << "\n";
        return kFailure;
    }
    const ProfileState state = stateOfProfile(std::get<Profile>(read));
    const auto macrosPath = parsed.options.find("--macros");
    if (macrosPath != parsed.options.end() && !state.macros) {
        return failure(err, profilePath + " holds no macros (it was exported without --macros)");
    }

    StagedFiles files;
    const std::string& configPath = parsed.options.at("--config");
    const std::optional<std::filesystem::path> config = files.stage(pathFromUtf8(configPath), false);
    std::vector<uint8_t> bytes(kConfigFileSize);
    bytes[0] = 1;
    std::memcpy(bytes.data() + 1, &state.record, kDeviceConfigRecordSize);
    if (!config || PortableConfigFileWriter().writeNewFile(*config, bytes) != 0) {
        return failure(err, "cannot write " + configPath);
    }
    if (macrosPath != parsed.options.end()) {
        const std::optional<std::filesystem::path> macros =
            files.stage(pathFromUtf8(macrosPath->second), false);
        bool written = macros.has_value();
        if (written) {
            IniFile file(*macros);
            MacroStore store(file);
            writeProfileMacros(store, *state.macros);
            written = readProfileMacros(store) == *state.macros;
            // No macros make no file: an empty record.ini stands for them.
            std::error_code ignored;
            if (written && !std::filesystem::exists(*macros, ignored)) {
                written = writeText(*macros, {});
            }
        }
        if (!written) {
            return failure(err, "cannot write " + macrosPath->second);
        }
    }
    const auto labelsPath = parsed.options.find("--labels");
    if (labelsPath != parsed.options.end() && !state.labels.empty()) {
        const std::optional<std::filesystem::path> labels =
            files.stage(pathFromUtf8(labelsPath->second), true);
        bool written = labels.has_value();
        if (written) {
            IniFile file(*labels);
            writeProfileLabels(file, state.labels);
            const std::vector<ProfileLabels> stored = readProfileLabels(file);
            written = std::ranges::all_of(state.labels, [&](const ProfileLabels& wanted) {
                return std::ranges::find(stored, wanted) != stored.end();
            });
        }
        if (!written) {
            return failure(err, "cannot write " + labelsPath->second);
        }
    }
    if (!files.commit()) {
        return failure(err, "cannot put the imported files in place");
    }
    return kSuccess;
}
