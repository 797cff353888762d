#include "config/win/win32_config_file_writer.h"

#include <windows.h>

#include "ui/win/scoped_handle.h"

namespace {

uint32_t lastError() {
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_ACCESS_DENIED;
}

} // namespace

uint32_t Win32ConfigFileWriter::checkWritable(const std::filesystem::path& target) {
    // The read-only attribute is asked for explicitly: an open for writing is refused for it on
    // Windows, but not everywhere the program runs (Wine as the superuser).
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        return ERROR_ACCESS_DENIED;
    }
    UniqueHandle file(CreateFileW(target.c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file ? 0 : lastError();
}

uint32_t Win32ConfigFileWriter::writeNewFile(const std::filesystem::path& path,
                                             std::span<const uint8_t> bytes) {
    UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return lastError();
    }
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        return lastError();
    }
    return FlushFileBuffers(file.get()) ? 0 : lastError();
}

uint32_t Win32ConfigFileWriter::replaceFile(const std::filesystem::path& replacement,
                                            const std::filesystem::path& target) {
    return MoveFileExW(replacement.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : lastError();
}

uint32_t Win32ConfigFileWriter::copyFile(const std::filesystem::path& source,
                                         const std::filesystem::path& copy) {
    return CopyFileW(source.c_str(), copy.c_str(), FALSE) ? 0 : lastError();
}
