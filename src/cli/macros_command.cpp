#include "cli/macros_command.h"

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/command_line_files.h"
#include "cli/config_file_reader.h"
#include "config/ini_file.h"
#include "config/text_encoding.h"
#include "macro/macro_store.h"

namespace {

// A record.ini of twelve macros at their longest is a few hundred kilobytes.
constexpr std::size_t kLargestRecordFile = 4u << 20;

// The macro store reads record.ini afresh for every value and takes a file it cannot read for an
// empty one; so the file must be a regular file (read again by name), readable to its end and of a
// record.ini's size before the store is given it.
bool checkRecordFile(const std::string& path, std::string& error) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(pathFromUtf8(path), ignored)) {
        error = "cannot open " + path + " as a file";
        return false;
    }
    std::string bytes;
    if (!readFileStart(path, kLargestRecordFile + 1, bytes, error)) {
        return false;
    }
    if (bytes.size() > kLargestRecordFile) {
        error = path + " is too large for a record.ini";
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
    if (!checkRecordFile(recordPath, error) || (configPath && !readConfigFile(*configPath, record, error))) {
        err << "mousecfg: " << error << "\n";
        return 1;
    }
    IniFile file(pathFromUtf8(recordPath));
    MacroStore store(file);
    for (const std::wstring& name : EncodeMacroArea(store, record.macroSlots)) {
        err << "mousecfg: macro \"" << encodeUtf8(name)
            << "\" is too long for the mouse; its slot is left empty\n";
    }
    out << macroAreaListing(record.macroSlots);
    return 0;
}
