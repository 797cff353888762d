#include "config/config_file_writer.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace {

constexpr uint32_t kAccessDenied = 5;

// errno after a failed stream operation; 5 (access denied) when the library did not set it.
uint32_t lastStreamError() {
    return errno != 0 ? static_cast<uint32_t>(errno) : kAccessDenied;
}

} // namespace

uint32_t PortableConfigFileWriter::checkWritable(const std::filesystem::path& target) {
    errno = 0;
    std::fstream stream(target, std::ios::in | std::ios::out | std::ios::binary);
    return stream.is_open() ? 0 : lastStreamError();
}

uint32_t PortableConfigFileWriter::writeNewFile(const std::filesystem::path& path,
                                                std::span<const uint8_t> bytes) {
    errno = 0;
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    if (!stream.is_open()) {
        return lastStreamError();
    }
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    stream.flush();
    return stream.good() ? 0 : lastStreamError();
}

uint32_t PortableConfigFileWriter::replaceFile(const std::filesystem::path& replacement,
                                               const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::rename(replacement, target, error);
    return error ? static_cast<uint32_t>(error.value()) : 0;
}

uint32_t PortableConfigFileWriter::copyFile(const std::filesystem::path& source,
                                            const std::filesystem::path& copy) {
    // An earlier copy is removed first: with MinGW's runtime, which reports no file identities,
    // copy_file refuses to overwrite any existing file as if it were the source.
    std::error_code error;
    if (std::filesystem::is_regular_file(copy, error)) {
        std::filesystem::remove(copy, error);
    }
    std::filesystem::copy_file(source, copy, error);
    if (!error) {
        return 0;
    }
    return error.value() != 0 ? static_cast<uint32_t>(error.value()) : kAccessDenied;
}
