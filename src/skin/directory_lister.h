#pragma once

#include <string>
#include <vector>

// One entry of a folder as the file system returns it.
struct DirectoryEntry {
    std::wstring name;
    bool isDirectory = false;
};

// Lists a folder's entries in the order the file system returns them, "." and ".." included when
// the system reports them. A folder that cannot be read gives no entries.
class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;
    virtual std::vector<DirectoryEntry> entries(const std::wstring& folder) const = 0;
};
