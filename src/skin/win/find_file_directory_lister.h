#pragma once

#include "skin/directory_lister.h"

// Lists a folder with FindFirstFileW / FindNextFileW, in the order the file system returns.
class FindFileDirectoryLister : public DirectoryLister {
public:
    std::vector<DirectoryEntry> entries(const std::wstring& folder) const override;
};
