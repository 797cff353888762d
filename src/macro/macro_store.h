#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "config/device_config_record.h"
#include "config/profile_store.h"

// The longest macro name the editor accepts; names in a hand-edited record.ini may be longer and
// are used whole.
inline constexpr std::size_t kMacroNameMaxLength = 31;

// One macro as record.ini holds it: the "MacroLoopTimes" text and the lines Item0 to
// Item(ItemCount-1), at most kMacroLineLimit of them. Empty lines at the end are keys the file does
// not hold (a hand-edited "ItemCount" larger than the lines) and are not part of the macro.
struct StoredMacro {
    std::wstring loopTimes;
    std::vector<std::wstring> lines;
    bool tooManyLines = false; // "ItemCount" named more lines than a macro may have
};

// The macros of record.ini, one section per macro with "MacroLoopTimes", "ItemCount" and "Item%d".
// The order of the sections is the macro order: the n-th section is macro n and fills slot n of
// the record's macro area. Only the first twelve sections are macros; further sections of a
// hand-edited file are left alone.
class MacroStore {
public:
    explicit MacroStore(ProfileStore& file) : file_(file) {}

    // The macro names in file order, at most twelve, each as written in the file. The list ends
    // at an empty section name, as the profile functions' name list does. A section whose name
    // equals an earlier one's without regard to case is no macro of its own: the profile functions
    // read and write only the first of them, so the list names the first only.
    std::vector<std::wstring> listMacros();
    // The macro's position in listMacros (names compared without regard to case), which is its
    // slot; nothing when it is not one of the twelve.
    std::optional<std::size_t> slotOf(const std::wstring& name);

    std::wstring readLoopTimes(const std::wstring& name);
    StoredMacro readMacro(const std::wstring& name);

    // The changes return false when record.ini could not be written; a write stops at the first
    // key that fails.
    // Writes "MacroLoopTimes"; a missing section is created at the end of the file.
    bool writeLoopCount(const std::wstring& name, long long loopCount);
    // Writes "MacroLoopTimes", "ItemCount" and the lines into the macro's section where it stands
    // (a new macro is appended), and removes the lines the section held beyond the new count, so
    // every macro keeps its slot and the buttons that run it.
    bool writeMacro(const std::wstring& name, const std::wstring& loopTimes,
                    const std::vector<std::wstring>& lines);
    // Removes the macro's section, and every later section that differs from its name only in
    // case, which the list did not show as macros of their own.
    bool deleteMacro(const std::wstring& name);

private:
    std::size_t readItemCount(const std::wstring& name);

    ProfileStore& file_;
};

using MacroArea = std::array<MacroSlot, kMacroSlotCount>;

// Rebuilds slot n from the n-th macro of record.ini for every listed macro; slots without a macro
// keep their contents. A macro whose events do not fit its slot (only possible in a hand-edited
// file) leaves its slot all zero and is named in the result; no slot is written past its end.
std::vector<std::wstring> EncodeMacroArea(MacroStore& store, MacroArea& area);
