#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The parsed content of an INI file, edited in memory the way the Windows profile functions edit a
// file. Lines that are neither section headers nor "name=value" pairs (comments, stray text) are
// kept as they were and written back; blank lines are not kept.
class IniDocument {
public:
    static IniDocument parse(std::wstring_view text);
    // Lines end in CR LF; sections are separated by one blank line.
    std::wstring serialize() const;

    // The stored value as written in the file (trimmed, quotes included), or nothing.
    std::optional<std::wstring> find(std::wstring_view section, std::wstring_view key) const;
    // Returns false when nothing had to change.
    bool set(std::wstring_view section, std::wstring_view key, std::wstring_view value);
    bool removeKey(std::wstring_view section, std::wstring_view key);
    // Removes the first section of that name, as the profile functions do.
    bool removeSection(std::wstring_view section);
    std::vector<std::wstring> sectionNames() const;

private:
    struct Entry {
        std::wstring name;                 // the key, or the whole line when there is no value
        std::optional<std::wstring> value; // nothing for a line without '='
    };
    struct Section {
        std::wstring name; // as written between the brackets; empty for lines before the first header
        bool hasHeader = false;
        std::vector<Entry> entries;
    };

    Section* findSection(std::wstring_view name);
    const Section* findSection(std::wstring_view name) const;

    std::vector<Section> sections_;
};
