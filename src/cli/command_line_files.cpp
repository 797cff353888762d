#include "cli/command_line_files.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

std::string systemReason() {
    return std::generic_category().message(errno);
}

#ifdef _WIN32
int openForReading(const std::filesystem::path& path) {
    return _wopen(path.c_str(), _O_RDONLY | _O_BINARY);
}

long readSome(int file, char* buffer, std::size_t size) {
    return _read(file, buffer, static_cast<unsigned>(size));
}

void closeFile(int file) {
    _close(file);
}
#else
// Opening a FIFO for reading waits until some process opens it for writing. Opened without waiting
// and then switched back to waiting reads, a FIFO without a writer reads as empty at once, while a
// pipe that is being written is read as its data comes.
int openForReading(const std::filesystem::path& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file >= 0) {
        ::fcntl(file, F_SETFL, ::fcntl(file, F_GETFL) & ~O_NONBLOCK);
    }
    return file;
}

long readSome(int file, char* buffer, std::size_t size) {
    long count = 0;
    do {
        count = ::read(file, buffer, size);
    } while (count < 0 && errno == EINTR);
    return count;
}

void closeFile(int file) {
    ::close(file);
}
#endif

} // namespace

std::filesystem::path pathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

bool readFileStart(const std::string& path, std::size_t limit, std::string& bytes, std::string& error) {
    const int file = openForReading(pathFromUtf8(path));
    if (file < 0) {
        error = "cannot open " + path + ": " + systemReason();
        return false;
    }
    bytes.assign(limit, '\0');
    std::size_t length = 0;
    long count = 0;
    while (length < limit && (count = readSome(file, bytes.data() + length, limit - length)) > 0) {
        length += static_cast<std::size_t>(count);
    }
    if (count < 0) {
        error = "cannot read " + path + ": " + systemReason();
    }
    closeFile(file);
    bytes.resize(length);
    return count >= 0;
}

bool checkTraceTarget(const std::string& path, std::string& error) {
    std::error_code status;
    const std::filesystem::file_status target = std::filesystem::status(pathFromUtf8(path), status);
    if (target.type() == std::filesystem::file_type::not_found ||
        target.type() == std::filesystem::file_type::regular) {
        return true;
    }
    error = status ? "cannot write the trace to " + path + ": " + status.message()
                   : "cannot write the trace to " + path + ": it is not a regular file";
    return false;
}
