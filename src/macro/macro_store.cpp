#include "macro/macro_store.h"

#include <algorithm>

#include "config/profile_name.h"
#include "macro/macro_encoding.h"
#include "macro/macro_event_line.h"

namespace {

const std::wstring kLoopTimesKey = L"MacroLoopTimes";
const std::wstring kItemCountKey = L"ItemCount";

std::wstring itemKey(std::size_t index) {
    return L"Item" + std::to_wstring(index);
}

} // namespace

std::vector<std::wstring> MacroStore::listMacros() {
    std::vector<std::wstring> names;
    for (std::wstring& name : file_.sectionNames()) {
        if (name.empty() || names.size() == kMacroSlotCount) {
            break;
        }
        if (std::ranges::none_of(
                names, [&](const std::wstring& listed) { return profileNamesEqual(listed, name); })) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

std::optional<std::size_t> MacroStore::slotOf(const std::wstring& name) {
    const std::vector<std::wstring> names = listMacros();
    const auto found = std::ranges::find_if(
        names, [&](const std::wstring& listed) { return profileNamesEqual(listed, name); });
    if (found == names.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - names.begin());
}

std::wstring MacroStore::readLoopTimes(const std::wstring& name) {
    return file_.readString(name, kLoopTimesKey);
}

std::size_t MacroStore::readItemCount(const std::wstring& name) {
    return leadingDecimal(file_.readString(name, kItemCountKey), kMacroLineLimit + 1);
}

StoredMacro MacroStore::readMacro(const std::wstring& name) {
    StoredMacro macro;
    macro.loopTimes = readLoopTimes(name);
    const std::size_t count = readItemCount(name);
    macro.tooManyLines = count > kMacroLineLimit;
    for (std::size_t j = 0; j < std::min(count, kMacroLineLimit); ++j) {
        macro.lines.push_back(file_.readString(name, itemKey(j)));
    }
    while (!macro.lines.empty() && macro.lines.back().empty()) {
        macro.lines.pop_back();
    }
    return macro;
}

bool MacroStore::writeLoopCount(const std::wstring& name, long long loopCount) {
    return file_.writeString(name, kLoopTimesKey, std::to_wstring(loopCount));
}

bool MacroStore::writeMacro(const std::wstring& name, const std::wstring& loopTimes,
                            const std::vector<std::wstring>& lines) {
    const std::size_t oldCount = std::min(readItemCount(name), kMacroLineLimit);
    if (!file_.writeString(name, kLoopTimesKey, loopTimes) ||
        !file_.writeString(name, kItemCountKey, std::to_wstring(lines.size()))) {
        return false;
    }
    for (std::size_t j = 0; j < lines.size(); ++j) {
        if (!file_.writeString(name, itemKey(j), lines[j])) {
            return false;
        }
    }
    for (std::size_t j = lines.size(); j < oldCount; ++j) {
        if (!file_.deleteKey(name, itemKey(j))) {
            return false;
        }
    }
    return true;
}

bool MacroStore::deleteMacro(const std::wstring& name) {
    // The profile functions remove the first section of a name at a time.
    const std::vector<std::wstring> sections = file_.sectionNames();
    const auto count = std::ranges::count_if(
        sections, [&](const std::wstring& section) { return profileNamesEqual(section, name); });
    for (std::ptrdiff_t n = 0; n < count; ++n) {
        if (!file_.deleteSection(name)) {
            return false;
        }
    }
    return true;
}

std::vector<std::wstring> EncodeMacroArea(MacroStore& store, MacroArea& area) {
    std::vector<std::wstring> refused;
    const std::vector<std::wstring> names = store.listMacros();
    for (std::size_t n = 0; n < names.size(); ++n) {
        const StoredMacro macro = store.readMacro(names[n]);
        const std::optional<MacroSlot> slot =
            macro.tooManyLines ? std::nullopt : encodeMacro(macro.loopTimes, macro.lines);
        area[n] = slot.value_or(MacroSlot{});
        if (!slot) {
            refused.push_back(names[n]);
        }
    }
    return refused;
}
