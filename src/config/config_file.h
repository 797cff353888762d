#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "config/config_file_writer.h"
#include "config/config_state.h"
#include "config/data_paths.h"
#include "lang/notice.h"

// config.bin: one first-run flag byte followed by the 1985-byte record.
inline constexpr std::size_t kConfigFileSize = 1 + kDeviceConfigRecordSize;

enum class ConfigFileStatus {
    Loaded,      // flag and record were read
    Ignored,     // the file could not be opened or has the wrong size; nothing changed, nothing shown
    Saved,       // the file now holds flag 1 and the record
    Missing,     // there is no config.bin: "Config file is not exist."
    WriteFailed, // config.bin is read-only, locked or could not be replaced: the error-code box
};

// What a load or save did, and the message box the shell shows for it, if any.
struct ConfigFileResult {
    ConfigFileStatus status = ConfigFileStatus::Ignored;
    uint32_t errorCode = 0; // the platform's error code when status is WriteFailed

    // L"Config file is not exist." under the program's title, or L"Error Code is: <code> \n" under
    // L"NULL ==fp "; nothing for the other outcomes.
    std::optional<Notice> notice() const;
};

// Reads config.bin into the state's record and first-run flag. A missing file is reported; a file of
// any size but kConfigFileSize is ignored. The snapshot is the caller's to take.
ConfigFileResult loadConfigFile(ConfigState& state, const DataPaths& paths);

// Writes flag 1 and the record to config.bin; the in-memory flag stays as loaded. The bytes go to a
// temporary file beside config.bin ("config.bin.tmp") that then replaces it, so an interrupted save
// never leaves a truncated file. A config.bin of the wrong size is first copied to
// "config.bin.bad". A missing config.bin is reported and not created; a read-only or locked one
// gives WriteFailed and stays as it was.
ConfigFileResult saveConfigFile(const ConfigState& state, const DataPaths& paths, ConfigFileWriter& writer);
ConfigFileResult saveConfigFile(const ConfigState& state, const DataPaths& paths);
