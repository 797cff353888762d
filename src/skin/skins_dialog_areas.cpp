#include "skin/skins_dialog_areas.h"

#include <array>

#include "common/dialog_layout.h"

namespace {

struct SkinsDialogAreaEntry {
    SkinsDialogArea area;
    Rect rect;
};

constexpr std::array kSkinsDialogAreas{
    SkinsDialogAreaEntry{SkinsDialogArea::Close, dialog_layout::Close},
    SkinsDialogAreaEntry{SkinsDialogArea::Ok, dialog_layout::Ok},
    SkinsDialogAreaEntry{SkinsDialogArea::Cancel, dialog_layout::Cancel},
    SkinsDialogAreaEntry{SkinsDialogArea::ColourPrompt, dialog_layout::SkinsColourPrompt},
    SkinsDialogAreaEntry{SkinsDialogArea::ColourSwatch, dialog_layout::SkinsColourSwatch},
    SkinsDialogAreaEntry{SkinsDialogArea::SkinHeader, dialog_layout::SkinsSkinHeader},
    SkinsDialogAreaEntry{SkinsDialogArea::SkinList, dialog_layout::SkinsSkinList},
};

} // namespace

Rect skinsDialogRect(SkinsDialogArea area) {
    for (const auto& entry : kSkinsDialogAreas) {
        if (entry.area == area) {
            return entry.rect;
        }
    }
    return {};
}

std::vector<DialogStop> skinsDialogKeyboardOrder() {
    return withOkAndCancel({{dialog_layout::SkinsColourSwatch, FocusRole::Button, kSkinsDialogColourSwatchId},
                            {dialog_layout::SkinsSkinHeader, FocusRole::ComboBox, kSkinsDialogSkinNameId}});
}
