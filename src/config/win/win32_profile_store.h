#pragma once

#include <string>
#include <vector>

#include "config/profile_store.h"

// The ProfileStore of the Windows build: GetPrivateProfileStringW, WritePrivateProfileStringW and
// GetPrivateProfileSectionNamesW on one file. Before the first write to a file that does not exist
// yet it creates the file with a UTF-16LE byte-order mark, so Windows keeps the file in Unicode and
// labels in any language survive. An existing 8-bit file stays 8-bit until a write brings text that
// the ANSI code page cannot hold; the file then becomes UTF-16LE first. When that fails, the write
// is dropped rather than stored as question marks, the old value stays and the write reports
// failure.
class Win32ProfileStore : public ProfileStore {
public:
    explicit Win32ProfileStore(std::wstring path);

    std::wstring readString(const std::wstring& section, const std::wstring& key) override;
    bool writeString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;
    bool deleteKey(const std::wstring& section, const std::wstring& key) override;
    bool deleteSection(const std::wstring& section) override;
    std::vector<std::wstring> sectionNames() override;

private:
    std::wstring path_;
};
