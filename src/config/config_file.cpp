#include "config/config_file.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#include "common/debug_log.h"
#include "config/wide_path.h"

namespace {

constexpr wchar_t kMissingText[] = L"Config file is not exist.";
constexpr wchar_t kWriteFailedCaption[] = L"NULL ==fp ";
constexpr wchar_t kTemporarySuffix[] = L".tmp";
constexpr wchar_t kUnusableSuffix[] = L".bad";
constexpr uint8_t kSavedFlag = 1;

bool fileExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// A config.bin of the wrong size was ignored at start-up; before a save replaces it, it is kept as
// "config.bin.bad" so that whatever it held can still be looked at or put back by hand. Returns 0,
// or the error code of a failed copy (the save then stops and the file stays as it is).
uint32_t keepUnusableFile(const std::filesystem::path& target, const std::filesystem::path& kept,
                          ConfigFileWriter& writer) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(target, error)) {
        return 0;
    }
    const std::uintmax_t size = std::filesystem::file_size(target, error);
    if (error || size == kConfigFileSize) {
        return 0;
    }
    return writer.copyFile(target, kept);
}

// Whether the temporary file's name is free for the save's own use: nothing is there, or a regular
// file (left by an interrupted save). Anything else (a folder, a link) is not the program's to remove.
bool temporaryNameIsFree(const std::filesystem::path& temporary) {
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::symlink_status(temporary, error).type();
    return type == std::filesystem::file_type::not_found || type == std::filesystem::file_type::regular;
}

std::wstring formatted(const wchar_t* format, auto... values) {
    std::array<wchar_t, 256> text{};
    std::swprintf(text.data(), text.size(), format, values...);
    return text.data();
}

} // namespace

std::optional<Notice> ConfigFileResult::notice() const {
    switch (status) {
    case ConfigFileStatus::Missing:
        return Notice{kMissingText};
    case ConfigFileStatus::WriteFailed:
        return Notice{formatted(L"Error Code is: %d \n", static_cast<int>(errorCode)), kWriteFailedCaption};
    default:
        return std::nullopt;
    }
}

ConfigFileResult loadConfigFile(ConfigState& state, const DataPaths& paths) {
    const std::filesystem::path path = pathFromWide(paths.configPath);
    if (!fileExists(path)) {
        return {ConfigFileStatus::Missing};
    }
    std::ifstream stream(path, std::ios::binary);
    if (!stream.is_open()) {
        return {ConfigFileStatus::Ignored};
    }
    stream.seekg(0, std::ios::end);
    const std::streamoff length = stream.tellg();
    stream.seekg(0, std::ios::beg);
    if (length != static_cast<std::streamoff>(kConfigFileSize)) {
        return {ConfigFileStatus::Ignored};
    }
    // Read into a buffer first so that a read cut short leaves the record as it was.
    std::array<char, kConfigFileSize> bytes{};
    if (!stream.read(bytes.data(), bytes.size())) {
        return {ConfigFileStatus::Ignored};
    }
    state.firstRunFlag = static_cast<uint8_t>(bytes[0]);
    std::memcpy(&state.record, bytes.data() + 1, kDeviceConfigRecordSize);
    debugLog(formatted(L"Prpgram First Run Flag:%d\nRead Size is: %d", static_cast<int>(state.firstRunFlag),
                       static_cast<int>(kDeviceConfigRecordSize)));
    return {ConfigFileStatus::Loaded};
}

ConfigFileResult saveConfigFile(const ConfigState& state, const DataPaths& paths, ConfigFileWriter& writer) {
    const std::filesystem::path target = pathFromWide(paths.configPath);
    if (!fileExists(target)) {
        return {ConfigFileStatus::Missing};
    }
    if (const uint32_t error = writer.checkWritable(target)) {
        return {ConfigFileStatus::WriteFailed, error};
    }
    if (const uint32_t error =
            keepUnusableFile(target, pathFromWide(paths.configPath + kUnusableSuffix), writer)) {
        return {ConfigFileStatus::WriteFailed, error};
    }
    std::array<uint8_t, kConfigFileSize> bytes{};
    bytes[0] = kSavedFlag;
    std::memcpy(bytes.data() + 1, &state.record, kDeviceConfigRecordSize);

    const std::filesystem::path temporary = pathFromWide(paths.configPath + kTemporarySuffix);
    const bool temporaryIsOurs = temporaryNameIsFree(temporary);
    uint32_t error = writer.writeNewFile(temporary, bytes);
    if (error == 0) {
        error = writer.replaceFile(temporary, target);
    }
    if (error != 0) {
        if (temporaryIsOurs) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
        }
        return {ConfigFileStatus::WriteFailed, error};
    }
    debugLog(formatted(L"Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1,
                       static_cast<int>(kDeviceConfigRecordSize), static_cast<int>(kDeviceConfigRecordSize)));
    return {ConfigFileStatus::Saved};
}

ConfigFileResult saveConfigFile(const ConfigState& state, const DataPaths& paths) {
    PortableConfigFileWriter writer;
    return saveConfigFile(state, paths, writer);
}
