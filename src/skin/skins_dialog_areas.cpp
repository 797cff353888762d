#include "skin/skins_dialog_areas.h"

#include <array>

namespace {

struct SkinsDialogAreaEntry {
    SkinsDialogArea area;
    Rect rect;
};

constexpr std::array kSkinsDialogAreas{
    SkinsDialogAreaEntry{SkinsDialogArea::Close, {352, 6, 370, 24}},
    SkinsDialogAreaEntry{SkinsDialogArea::Ok, {166, 253, 271, 274}},
    SkinsDialogAreaEntry{SkinsDialogArea::Cancel, {270, 253, 375, 274}},
    SkinsDialogAreaEntry{SkinsDialogArea::ColourPrompt, {12, 64, 181, 94}},
    SkinsDialogAreaEntry{SkinsDialogArea::ColourSwatch, {42, 94, 151, 110}},
    SkinsDialogAreaEntry{SkinsDialogArea::SkinHeader, {42, 128, 151, 144}},
    SkinsDialogAreaEntry{SkinsDialogArea::SkinList, {42, 146, 151, 266}},
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
