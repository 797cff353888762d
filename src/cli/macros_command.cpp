#include "cli/macros_command.h"

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/config_file_reader.h"
#include "config/ini_file.h"
#include "config/text_encoding.h"
#include "macro/macro_store.h"

namespace {

// A record.ini of twelve macros at their longest is a few hundred kilobytes.
constexpr std::uintmax_t kLargestRecordFile = 4u << 20;

std::filesystem::path pathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

bool checkRecordFile(const std::filesystem::path& path, const std::string& shown, std::string& error) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) {
        error = "cannot open " + shown + " as a file";
        return false;
    }
    if (std::filesystem::file_size(path, ignored) > kLargestRecordFile) {
        error = shown + " is too large for a record.ini";
        return false;
    }
    return true;
}

} // namespace

std::string macroAreaListing(const std::array<MacroSlot, kMacroSlotCount>& area) {
    std::string listing;
    for (const MacroSlot& slot : area) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&slot);
        for (std::size_t i = 0; i < sizeof slot; ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, i == 0 ? "%02x" : " %02x", bytes[i]);
            listing += hex;
        }
        listing += '\n';
    }
    return listing;
}

int runMacros(const std::string& recordPath, const std::optional<std::string>& configPath, std::ostream& out,
              std::ostream& err) {
    DeviceConfigRecord record{};
    std::string error;
    const std::filesystem::path recordFile = pathFromUtf8(recordPath);
    if (!checkRecordFile(recordFile, recordPath, error) ||
        (configPath && !readConfigFile(*configPath, record, error))) {
        err << "mousecfg: " << error << "\n";
        return 1;
    }
    IniFile file(recordFile);
    MacroStore store(file);
    for (const std::wstring& name : EncodeMacroArea(store, record.macroSlots)) {
        err << "mousecfg: macro \"" << encodeUtf8(name)
            << "\" is too long for the mouse; its slot is left empty\n";
    }
    out << macroAreaListing(record.macroSlots);
    return 0;
}
