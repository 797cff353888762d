#include "config/win/module_path.h"

#include <windows.h>

namespace {

// Windows paths never exceed 32767 characters, even with the long-path prefix.
constexpr DWORD kLongestPath = 32768;

} // namespace

std::wstring currentModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        // A full buffer means the path may have been cut; try again with more room.
        if (length < path.size() || path.size() >= kLongestPath) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}
