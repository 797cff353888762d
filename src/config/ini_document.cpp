#include "config/ini_document.h"

#include <algorithm>

#include "config/profile_name.h"

namespace {

std::vector<std::wstring_view> splitLines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find(L'\n');
        lines.push_back(text.substr(0, end));
        if (end == std::wstring_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

IniDocument IniDocument::parse(std::wstring_view text) {
    IniDocument document;
    document.sections_.push_back(Section{});
    for (std::wstring_view line : splitLines(text)) {
        while (!line.empty() && isProfileBlank(line.front())) {
            line.remove_prefix(1);
        }
        if (!line.empty() && line.front() == L'[') {
            const std::size_t close = line.rfind(L']');
            if (close != std::wstring_view::npos) {
                document.sections_.push_back(Section{std::wstring(line.substr(1, close - 1)), true, {}});
                continue;
            }
        }
        line = trimProfileBlanks(line);
        if (line.empty()) {
            continue;
        }
        Entry entry;
        const std::size_t equals = line.find(L'=');
        if (equals == std::wstring_view::npos) {
            entry.name = line;
        } else {
            entry.name = trimProfileBlanks(line.substr(0, equals));
            entry.value = std::wstring(trimProfileBlanks(line.substr(equals + 1)));
        }
        document.sections_.back().entries.push_back(std::move(entry));
    }
    return document;
}

std::wstring IniDocument::serialize() const {
    std::wstring text;
    for (const Section& section : sections_) {
        if (section.hasHeader) {
            if (!text.empty()) {
                text += L"\r\n";
            }
            text += L"[" + section.name + L"]\r\n";
        }
        for (const Entry& entry : section.entries) {
            text += entry.name;
            if (entry.value) {
                text += L"=" + *entry.value;
            }
            text += L"\r\n";
        }
    }
    return text;
}

IniDocument::Section* IniDocument::findSection(std::wstring_view name) {
    const std::wstring_view wanted = trimProfileBlanks(name);
    for (Section& section : sections_) {
        if (section.hasHeader && profileNamesEqual(section.name, wanted)) {
            return &section;
        }
    }
    return nullptr;
}

const IniDocument::Section* IniDocument::findSection(std::wstring_view name) const {
    return const_cast<IniDocument*>(this)->findSection(name);
}

std::optional<std::wstring> IniDocument::find(std::wstring_view section, std::wstring_view key) const {
    const Section* found = findSection(section);
    if (!found) {
        return std::nullopt;
    }
    const std::wstring_view wanted = trimProfileBlanks(key);
    for (const Entry& entry : found->entries) {
        if (profileNamesEqual(entry.name, wanted)) {
            return entry.value;
        }
    }
    return std::nullopt;
}

bool IniDocument::set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    while (!value.empty() && isProfileBlank(value.front())) {
        value.remove_prefix(1);
    }
    Section* target = findSection(section);
    if (!target) {
        sections_.push_back(Section{std::wstring(trimProfileBlanks(section)), true, {}});
        target = &sections_.back();
    }
    const std::wstring_view wanted = trimProfileBlanks(key);
    for (Entry& entry : target->entries) {
        if (profileNamesEqual(entry.name, wanted)) {
            if (entry.value == value) {
                return false;
            }
            entry.value = std::wstring(value);
            return true;
        }
    }
    target->entries.push_back(Entry{std::wstring(wanted), std::wstring(value)});
    return true;
}

bool IniDocument::removeKey(std::wstring_view section, std::wstring_view key) {
    const std::wstring_view wantedSection = trimProfileBlanks(section);
    const std::wstring_view wantedKey = trimProfileBlanks(key);
    for (Section& candidate : sections_) {
        if (!candidate.hasHeader || !profileNamesEqual(candidate.name, wantedSection)) {
            continue;
        }
        const auto entry = std::find_if(candidate.entries.begin(), candidate.entries.end(),
                                        [&](const Entry& e) { return profileNamesEqual(e.name, wantedKey); });
        if (entry != candidate.entries.end()) {
            candidate.entries.erase(entry);
            return true;
        }
    }
    return false;
}

bool IniDocument::removeSection(std::wstring_view section) {
    const std::wstring_view wanted = trimProfileBlanks(section);
    const auto found = std::ranges::find_if(sections_, [&](const Section& candidate) {
        return candidate.hasHeader && profileNamesEqual(candidate.name, wanted);
    });
    if (found == sections_.end()) {
        return false;
    }
    sections_.erase(found);
    return true;
}

std::vector<std::wstring> IniDocument::sectionNames() const {
    std::vector<std::wstring> names;
    for (const Section& section : sections_) {
        if (section.hasHeader && !section.name.empty()) {
            names.push_back(section.name);
        }
    }
    return names;
}
