#include "app/frame_areas.h"

#include <vector>

namespace {

// The title bar's buttons, the page buttons, then the web address and the buttons at the foot. In
// the keyboard order the page takes places 100 to 899 between them. Those that hide the window or
// change the page leave the page's lists as they are; OK, Apply, Skins, Profiles and Cancel close
// them, as any click elsewhere does.
const FrameArea kFrameAreas[] = {
    {{HotArea::Profiles,
      pictureButton(SkinImage::ProfilesNormal, SkinImage::ProfilesOver),
      true,
      {5, 1, FocusRole::Button, kStopNames<TextKey::Profiles>}},
     ClickAction::OpenProfilesDialog,
     true},
    {{HotArea::Skins,
      pictureButton(SkinImage::SkinsNormal, SkinImage::SkinsOver),
      true,
      {10, 1, FocusRole::Button, kStopNames<TextKey::AccessSkins>}},
     ClickAction::OpenSkinsDialog,
     true},
    {{HotArea::Minimise,
      pictureButton(SkinImage::MinimiseNormal, SkinImage::MinimiseOver),
      true,
      {20, 1, FocusRole::Button, kStopNames<TextKey::AccessMinimise>}},
     ClickAction::HideWindow},
    {{HotArea::Close,
      pictureButton(SkinImage::CloseNormal, SkinImage::CloseOver),
      true,
      {30, 1, FocusRole::Button, kStopNames<TextKey::AccessClose>}},
     ClickAction::Exit},
    {{HotArea::BasicPageButton,
      pictureButton(SkinImage::PreviousPageNormal, SkinImage::PreviousPageOver),
      true,
      {40, 1, FocusRole::PageTab, kStopNames<TextKey::BasicSettings>}},
     ClickAction::ShowBasicPage,
     false,
     false,
     Page::Basic},
    {{HotArea::AdvancedPageButton,
      pictureButton(SkinImage::NextPageNormal, SkinImage::NextPageOver),
      true,
      {50, 1, FocusRole::PageTab, kStopNames<TextKey::AdvancedSettings>}},
     ClickAction::ShowAdvancedPage,
     false,
     false,
     Page::Advanced},
    {{HotArea::WebLink, std::nullopt, false, {900, 1, FocusRole::Link, kStopNames<TextKey::MakerWebAddress>}},
     ClickAction::OpenWebLink},
    {{HotArea::Ok, textButton(TextKey::Ok), true, {910, 1, FocusRole::Button, kStopNames<TextKey::Ok>}},
     ClickAction::Ok,
     true,
     true},
    {{HotArea::Apply,
      textButton(TextKey::Apply),
      true,
      {920, 1, FocusRole::Button, kStopNames<TextKey::Apply>}},
     ClickAction::Apply,
     true,
     true},
    {{HotArea::Cancel,
      textButton(TextKey::Cancel),
      true,
      {930, 1, FocusRole::Button, kStopNames<TextKey::Cancel>}},
     ClickAction::Cancel,
     true},
};

} // namespace

std::span<const FrameArea> frameAreas() {
    return kFrameAreas;
}

std::span<const AreaKind> frameAreaKinds() {
    static const std::vector<AreaKind> kinds = [] {
        std::vector<AreaKind> all;
        for (const FrameArea& area : kFrameAreas) {
            all.push_back(area.kind);
        }
        return all;
    }();
    return kinds;
}

const FrameArea* frameAreaOf(HotArea area) {
    for (const FrameArea& row : kFrameAreas) {
        if (row.kind.area == area) {
            return &row;
        }
    }
    return nullptr;
}
