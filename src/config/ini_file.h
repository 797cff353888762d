#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "config/ini_document.h"
#include "config/profile_store.h"
#include "config/text_encoding.h"

// A ProfileStore on an INI file, portable, behaving like GetPrivateProfileStringW and
// WritePrivateProfileStringW: names and values are trimmed of spaces and tabs, one pair of
// surrounding quotes is removed from a value on reading, lines that are neither a section header nor
// contain '=' are ignored, and the first of duplicate sections or keys wins.
// The file is parsed once and kept; each call looks at the file's size and write time and reads it
// again only when another writer (the Windows profile functions, another IniFile) changed it. Every
// change writes the file back at once. Files are read in UTF-16LE (with BOM), UTF-8 (with or
// without BOM) or plain 8-bit text and written back in the encoding they had; a file this class
// creates is UTF-16LE with a BOM, so text in any language survives.
class IniFile : public ProfileStore {
public:
    explicit IniFile(std::filesystem::path path);

    std::wstring readString(const std::wstring& section, const std::wstring& key) override;
    bool writeString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;
    bool deleteKey(const std::wstring& section, const std::wstring& key) override;
    bool deleteSection(const std::wstring& section) override;
    std::vector<std::wstring> sectionNames() override;

    const std::filesystem::path& path() const { return path_; }

private:
    // What tells one version of the file on disk from another without reading it.
    struct FileStamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type writeTime{};
        bool operator==(const FileStamp&) const = default;
    };
    // The file as last read or written.
    struct Loaded {
        FileStamp stamp;
        std::string bytes;
        IniDocument document;
        TextEncoding encoding = TextEncoding::Utf16LittleEndian; // the encoding of a file created here
        // File systems keep write times in steps (up to two seconds); a file written within a step
        // of its reading may change again without its stamp changing, so its bytes are compared.
        bool stampMayRepeat = false;
    };

    static FileStamp stampOf(const std::filesystem::path& path);
    static bool stampMayRepeat(const FileStamp& stamp);
    // The file as it is on disk now.
    Loaded& current();
    // Writes the document back; on failure the next call reads the file again.
    bool store(Loaded& ini);

    std::filesystem::path path_;
    std::optional<Loaded> loaded_;
};
