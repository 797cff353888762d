#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "config/profile_store.h"

// A ProfileStore on an INI file, portable, behaving like GetPrivateProfileStringW and
// WritePrivateProfileStringW: names and values are trimmed of spaces and tabs, one pair of
// surrounding quotes is removed from a value on reading, lines that are neither a section header nor
// contain '=' are ignored, and the first of duplicate sections or keys wins.
// Every call reads the file afresh and every change writes it back at once. Files are read in
// UTF-16LE (with BOM), UTF-8 (with or without BOM) or plain 8-bit text and written back in the
// encoding they had; a file this class creates is UTF-16LE with a BOM, so text in any language
// survives.
class IniFile : public ProfileStore {
public:
    explicit IniFile(std::filesystem::path path);

    std::wstring readString(const std::wstring& section, const std::wstring& key) override;
    void writeString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;
    void deleteKey(const std::wstring& section, const std::wstring& key) override;
    void deleteSection(const std::wstring& section) override;
    std::vector<std::wstring> sectionNames() override;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};
