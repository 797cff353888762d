#pragma once

#include "config/config_file_writer.h"

// config.bin saving on Windows: CreateFileW and WriteFile with FlushFileBuffers, MoveFileExW with
// MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH for the replace and CopyFileW for the copy.
// Error codes are GetLastError values (5 for a read-only file or a folder in the way, 32 for a file
// another program holds open).
class Win32ConfigFileWriter : public ConfigFileWriter {
public:
    uint32_t checkWritable(const std::filesystem::path& target) override;
    uint32_t writeNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) override;
    uint32_t replaceFile(const std::filesystem::path& replacement,
                         const std::filesystem::path& target) override;
    uint32_t copyFile(const std::filesystem::path& source, const std::filesystem::path& copy) override;
};
