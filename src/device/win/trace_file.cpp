#include "device/win/trace_file.h"

TraceFile::TraceFile(const std::wstring& path)
    : file_(CreateFileW(path.c_str(), FILE_APPEND_DATA,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {}

void TraceFile::appendLine(const std::string& line) {
    if (!isOpen()) {
        return;
    }
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file_.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
