#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

// The file operations of a config.bin save, behind a port so that each platform reports failures
// with its own error codes (the Windows shell uses GetLastError codes, which the user sees in the
// "Error Code is:" box) and replaces files the way the platform does it safely. Every call returns
// 0 on success or the platform's error code.
class ConfigFileWriter {
public:
    virtual ~ConfigFileWriter() = default;

    // Opens `target` for writing without changing it, to find out whether it is read-only or locked.
    virtual uint32_t checkWritable(const std::filesystem::path& target) = 0;
    // Creates or truncates `path` and writes `bytes` to it, flushed before returning.
    virtual uint32_t writeNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) = 0;
    // Puts `replacement` in the place of the existing file `target` in one step.
    virtual uint32_t replaceFile(const std::filesystem::path& replacement,
                                 const std::filesystem::path& target) = 0;
    // Copies the file `source` to `copy`, replacing an earlier file of that name.
    virtual uint32_t copyFile(const std::filesystem::path& source, const std::filesystem::path& copy) = 0;
};

// Standard-library file streams and std::filesystem::rename; error codes are errno values (or 5,
// access denied, when the library leaves errno unset).
class PortableConfigFileWriter : public ConfigFileWriter {
public:
    uint32_t checkWritable(const std::filesystem::path& target) override;
    uint32_t writeNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) override;
    uint32_t replaceFile(const std::filesystem::path& replacement,
                         const std::filesystem::path& target) override;
    uint32_t copyFile(const std::filesystem::path& source, const std::filesystem::path& copy) override;
};
