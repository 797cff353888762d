#include "cli/config_file_reader.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "cli/command_line_files.h"
#include "config/config_file.h"

bool readConfigFile(const std::string& path, DeviceConfigRecord& record, std::string& error) {
    std::error_code ignored;
    if (std::filesystem::is_directory(pathFromUtf8(path), ignored)) {
        error = path + " is a folder, not a config.bin";
        return false;
    }
    // One byte more than a config.bin holds tells a longer file from a complete one.
    std::string bytes;
    if (!readFileStart(path, kConfigFileSize + 1, bytes, error)) {
        return false;
    }
    if (bytes.size() != kConfigFileSize) {
        const std::string size = bytes.size() > kConfigFileSize
                                     ? "more than " + std::to_string(kConfigFileSize)
                                     : std::to_string(bytes.size());
        error = path + " holds " + size + " bytes; a config.bin has " + std::to_string(kConfigFileSize);
        return false;
    }
    std::memcpy(&record, bytes.data() + 1, kDeviceConfigRecordSize);
    return true;
}
