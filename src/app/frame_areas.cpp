#include "app/frame_areas.h"

#include <vector>

namespace {

// The title bar's buttons, the page buttons, then the web address and the buttons at the foot. In
// the keyboard order the page takes places 100 to 899 between them. Those that hide the window or
// change the page leave the page's lists as they are; OK, Apply, Skins, Profiles and Cancel close
// them, as any click elsewhere does.
// Each kind: {area, look, lights under the pointer, {place, place step, role, names}}.
const FrameArea kFrameAreas[] = {
    {.kind = {HotArea::Profiles,
              pictureButton(SkinImage::ProfilesNormal, SkinImage::ProfilesOver),
              true,
              {5, 1, FocusRole::Button, kStopNames<TextKey::Profiles>}},
     .action = ClickAction::OpenProfilesDialog,
     .closesPageLists = true},
    {.kind = {HotArea::Skins,
              pictureButton(SkinImage::SkinsNormal, SkinImage::SkinsOver),
              true,
              {10, 1, FocusRole::Button, kStopNames<TextKey::AccessSkins>}},
     .action = ClickAction::OpenSkinsDialog,
     .closesPageLists = true},
    {.kind = {HotArea::Minimise,
              pictureButton(SkinImage::MinimiseNormal, SkinImage::MinimiseOver),
              true,
              {20, 1, FocusRole::Button, kStopNames<TextKey::AccessMinimise>}},
     .action = ClickAction::HideWindow},
    {.kind = {HotArea::Close,
              pictureButton(SkinImage::CloseNormal, SkinImage::CloseOver),
              true,
              {30, 1, FocusRole::Button, kStopNames<TextKey::AccessClose>}},
     .action = ClickAction::Exit},
    {.kind = {HotArea::BasicPageButton,
              pictureButton(SkinImage::PreviousPageNormal, SkinImage::PreviousPageOver),
              true,
              {40, 1, FocusRole::PageTab, kStopNames<TextKey::BasicSettings>}},
     .action = ClickAction::ShowBasicPage,
     .page = Page::Basic},
    {.kind = {HotArea::AdvancedPageButton,
              pictureButton(SkinImage::NextPageNormal, SkinImage::NextPageOver),
              true,
              {50, 1, FocusRole::PageTab, kStopNames<TextKey::AdvancedSettings>}},
     .action = ClickAction::ShowAdvancedPage,
     .page = Page::Advanced},
    {.kind = {HotArea::WebLink,
              std::nullopt,
              false,
              {900, 1, FocusRole::Link, kStopNames<TextKey::MakerWebAddress>}},
     .action = ClickAction::OpenWebLink},
    {.kind =
         {HotArea::Ok, textButton(TextKey::Ok), true, {910, 1, FocusRole::Button, kStopNames<TextKey::Ok>}},
     .action = ClickAction::Ok,
     .closesPageLists = true,
     .needsMouse = true},
    {.kind = {HotArea::Apply,
              textButton(TextKey::Apply),
              true,
              {920, 1, FocusRole::Button, kStopNames<TextKey::Apply>}},
     .action = ClickAction::Apply,
     .closesPageLists = true,
     .needsMouse = true},
    {.kind = {HotArea::Cancel,
              textButton(TextKey::Cancel),
              true,
              {930, 1, FocusRole::Button, kStopNames<TextKey::Cancel>}},
     .action = ClickAction::Cancel,
     .closesPageLists = true},
};

} // namespace

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
