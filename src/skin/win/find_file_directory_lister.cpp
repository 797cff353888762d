#include "skin/win/find_file_directory_lister.h"

#include <windows.h>

namespace {

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (valid()) {
            FindClose(handle_);
        }
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

} // namespace

std::vector<DirectoryEntry> FindFileDirectoryLister::entries(const std::wstring& folder) const {
    std::vector<DirectoryEntry> found;
    WIN32_FIND_DATAW data{};
    const std::wstring pattern = folder + L"\\*.*";
    FindHandle search(FindFirstFileW(pattern.c_str(), &data));
    if (!search.valid()) {
        return found;
    }
    do {
        found.push_back({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search.get(), &data));
    return found;
}
