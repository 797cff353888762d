#pragma once

#include <cstddef>
#include <string>
#include <vector>

// INI-file access with the semantics of the Windows profile functions: section and key names are
// compared case-insensitively, a missing file, section or key reads as the empty text, a value is
// read into a 1024-character buffer (so at most 1023 characters come back), and a section that was
// deleted and written again is appended at the end of the file. Of several sections whose names
// are equal in this sense, reads and writes see the first only.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    virtual std::wstring readString(const std::wstring& section, const std::wstring& key) = 0;
    // Creates the file, the section and the key as needed. The changes return false when the file
    // could not be written (a read-only file or folder, a full disk); removing what is not there
    // succeeds without writing.
    virtual bool writeString(const std::wstring& section, const std::wstring& key,
                             const std::wstring& value) = 0;
    virtual bool deleteKey(const std::wstring& section, const std::wstring& key) = 0;
    // Removes the first section of that name.
    virtual bool deleteSection(const std::wstring& section) = 0;
    // The section names in file order, as written in the file.
    virtual std::vector<std::wstring> sectionNames() = 0;
};

// The longest value readString returns; longer values are cut.
inline constexpr std::size_t kProfileValueMaxLength = 1023;
