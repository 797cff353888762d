#include "cli/config_file_reader.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr std::size_t kConfigFileSize = 1 + kDeviceConfigRecordSize;

std::filesystem::path pathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

} // namespace

bool readConfigFile(const std::string& path, DeviceConfigRecord& record, std::string& error) {
    std::ifstream file(pathFromUtf8(path), std::ios::binary);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() != kConfigFileSize) {
        error = path + " is " + std::to_string(bytes.size()) + " bytes long; a config.bin has " +
                std::to_string(kConfigFileSize);
        return false;
    }
    std::memcpy(&record, bytes.data() + 1, kDeviceConfigRecordSize);
    return true;
}
