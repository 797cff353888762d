#pragma once

#include "config/config_file_writer.h"

// config.bin saving on Windows: CreateFileW and WriteFile with FlushFileBuffers, and MoveFileExW with
// MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH for the replace. Error codes are GetLastError
// values (5 for a read-only file, 32 for one another program holds open).
class Win32ConfigFileWriter : public ConfigFileWriter {
public:
    uint32_t checkWritable(const std::filesystem::path& target) override;
    uint32_t writeNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) override;
    uint32_t replaceFile(const std::filesystem::path& replacement,
                         const std::filesystem::path& target) override;
};
