#include "cli/config_file_reader.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "config/config_file.h"

namespace {

std::filesystem::path pathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

} // namespace

bool readConfigFile(const std::string& path, DeviceConfigRecord& record, std::string& error) {
    std::error_code ignored;
    if (std::filesystem::is_directory(pathFromUtf8(path), ignored)) {
        error = path + " is a folder, not a config.bin";
        return false;
    }
    std::ifstream file(pathFromUtf8(path), std::ios::binary);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    // One byte more than a config.bin holds tells a longer file from a complete one; nothing past it
    // is read, so an endless source (a device, a pipe) ends here too.
    std::vector<char> bytes(kConfigFileSize + 1);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const auto length = static_cast<std::size_t>(file.gcount());
    if (file.bad()) {
        error = "cannot read " + path;
        return false;
    }
    if (length != kConfigFileSize) {
        const std::string size = length > kConfigFileSize ? "more than " + std::to_string(kConfigFileSize)
                                                          : std::to_string(length);
        error = path + " holds " + size + " bytes; a config.bin has " + std::to_string(kConfigFileSize);
        return false;
    }
    std::memcpy(&record, bytes.data() + 1, kDeviceConfigRecordSize);
    return true;
}
