#include "assign/deleted_macro_buttons.h"

#include <variant>

#include "assign/button_function.h"
#include "assign/default_button_labels.h"

void followMacroDeletion(DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts,
                         std::size_t deletedSlot) {
    const ButtonLabels defaultLabels = defaultButtonLabels(texts);
    for (const KeyMode keyMode : {KeyMode::ModeA, KeyMode::ModeB}) {
        for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
            const ButtonFunction function = ReadButtonFunction(record, keyMode, slot);
            const auto* macro = std::get_if<MacroKeyFunction>(&function);
            if (!macro || macro->macroNumber < deletedSlot) {
                continue;
            }
            if (macro->macroNumber == deletedSlot) {
                restoreDefaultAssignment(record, keyMode, slot);
                settings.labels(keyMode)[slot] = defaultLabels[slot];
                continue;
            }
            MacroKeyFunction moved = *macro;
            --moved.macroNumber;
            WriteButtonFunction(record, keyMode, slot, moved);
        }
    }
}
