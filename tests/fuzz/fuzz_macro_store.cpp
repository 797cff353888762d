// record.ini as a hand editor may leave it: any bytes through the macro store, the encoding of the
// macro area and the editor's loading. Traps when a slot beyond the listed macros or any byte of
// the record outside the macro area changes, when a slot differs from its macro encoded on its
// own, or when a refused macro's slot is not all zero.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "macro/macro_editor.h"
#include "macro/macro_encoding.h"
#include "macro/macro_store.h"

namespace {

const std::filesystem::path& scratchFile() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("fuzz_macro_store_" + std::to_string(getpid()) + ".ini");
    return path;
}

constexpr uint8_t kCanary = 0xA5;

bool sameBytes(const void* a, const void* b, std::size_t size) {
    return std::memcmp(a, b, size) == 0;
}

void checkArea(MacroStore& store, const DeviceConfigRecord& before, const DeviceConfigRecord& after,
               const std::vector<std::wstring>& refused) {
    const std::vector<std::wstring> names = store.listMacros();
    if (names.size() > kMacroSlotCount ||
        !sameBytes(&before, &after, offsetof(DeviceConfigRecord, macroSlots)) ||
        !sameBytes(&before.reserved0, &after.reserved0,
                   sizeof(DeviceConfigRecord) - offsetof(DeviceConfigRecord, reserved0))) {
        __builtin_trap();
    }
    for (std::size_t n = 0; n < kMacroSlotCount; ++n) {
        const MacroSlot& slot = after.macroSlots[n];
        if (n >= names.size()) {
            if (!sameBytes(&slot, &before.macroSlots[n], sizeof slot)) {
                __builtin_trap();
            }
            continue;
        }
        const StoredMacro macro = store.readMacro(names[n]);
        const std::optional<MacroSlot> alone =
            macro.tooManyLines ? std::nullopt : encodeMacro(macro.loopTimes, macro.lines);
        const MacroSlot expected = alone.value_or(MacroSlot{});
        const bool named = std::find(refused.begin(), refused.end(), names[n]) != refused.end();
        if (named == alone.has_value() || !sameBytes(&slot, &expected, sizeof slot)) {
            __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    {
        std::ofstream file(scratchFile(), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    IniFile file(scratchFile());
    MacroStore store(file);

    DeviceConfigRecord before;
    std::memset(&before, kCanary, sizeof before);
    DeviceConfigRecord after = before;
    const std::vector<std::wstring> refused = EncodeMacroArea(store, after.macroSlots);
    checkArea(store, before, after, refused);

    UiTexts texts;
    MacroEditor editor(store, after.macroSlots, texts);
    editor.LoadMacroPage();
    for (std::size_t n = 1; n < editor.macroNames().size(); ++n) {
        editor.SelectMacro(n);
    }
    return 0;
}
