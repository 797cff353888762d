#include "skin/skin_image.h"

#include <array>
#include <cstddef>

namespace {

struct SkinImageName {
    SkinImage image;
    const wchar_t* fileName;
};

constexpr std::array kSkinImageNames{
    SkinImageName{SkinImage::Main, L"main.png"},
    SkinImageName{SkinImage::BasicPage, L"BasicSet2.png"},
    SkinImageName{SkinImage::AdvancedPage, L"AdvancedSet2.png"},
    SkinImageName{SkinImage::ButtonNormal, L"button-normal.png"},
    SkinImageName{SkinImage::ButtonOver, L"button-over.png"},
    SkinImageName{SkinImage::CloseNormal, L"button-close-normal.png"},
    SkinImageName{SkinImage::CloseOver, L"button-close-over.png"},
    SkinImageName{SkinImage::MinimiseNormal, L"button-min-normal.png"},
    SkinImageName{SkinImage::MinimiseOver, L"button-min-over.png"},
    SkinImageName{SkinImage::SkinsNormal, L"button-Skins-normal.png"},
    SkinImageName{SkinImage::SkinsOver, L"button-Skins-over.png"},
    SkinImageName{SkinImage::PreviousPageNormal, L"button-PrePage-normal.png"},
    SkinImageName{SkinImage::PreviousPageOver, L"button-PrePage-over.png"},
    SkinImageName{SkinImage::NextPageNormal, L"button-NextPage-normal.png"},
    SkinImageName{SkinImage::NextPageOver, L"button-NextPage-over.png"},
    SkinImageName{SkinImage::DropdownNormal, L"DropdownBox-normal.png"},
    SkinImageName{SkinImage::DropdownOver, L"DropdownBox-over.png"},
    SkinImageName{SkinImage::ReportRateDark, L"slider-RP-dark.png"},
    SkinImageName{SkinImage::ReportRateLight, L"slider-RP-light.png"},
    SkinImageName{SkinImage::DpiLevelDark, L"slider-DPI-dark.png"},
    SkinImageName{SkinImage::DpiLevelLight, L"slider-DPI-light.png"},
    SkinImageName{SkinImage::SliderDark, L"slider-dark.png"},
    SkinImageName{SkinImage::SliderLight, L"slider-light.png"},
    SkinImageName{SkinImage::CheckBoxEmpty, L"Pane.png"},
    SkinImageName{SkinImage::CheckBoxTicked, L"PaneMakingTick.png"},
    SkinImageName{SkinImage::ComboKeyDialog, L"combo-key.png"},
    SkinImageName{SkinImage::SingleKeyDialog, L"single-key.png"},
    SkinImageName{SkinImage::FireKeyDialog, L"fire-key.png"},
    SkinImageName{SkinImage::DelayTimeDialog, L"delay-time.png"},
    SkinImageName{SkinImage::MediaKeyDialog, L"media-key.png"},
    SkinImageName{SkinImage::WindowsKeyDialog, L"windows-key.png"},
    SkinImageName{SkinImage::MacroKeyDialog, L"macro-key.png"},
    SkinImageName{SkinImage::SkinsDialog, L"skins.png"},
    SkinImageName{SkinImage::ProfilesNormal, L"button-Profiles-normal.png"},
    SkinImageName{SkinImage::ProfilesOver, L"button-Profiles-over.png"},
    SkinImageName{SkinImage::ProfilesDialog, L"profiles.png"},
};

constexpr std::array<SkinImage, kSkinImageNames.size()> allImages() {
    std::array<SkinImage, kSkinImageNames.size()> images{};
    for (std::size_t i = 0; i < kSkinImageNames.size(); ++i) {
        images[i] = kSkinImageNames[i].image;
    }
    return images;
}

constexpr auto kAllSkinImages = allImages();

// The table is indexed by the enum value, so its order must follow the enum.
constexpr bool tableFollowsEnum() {
    for (std::size_t i = 0; i < kSkinImageNames.size(); ++i) {
        if (static_cast<std::size_t>(kSkinImageNames[i].image) != i) {
            return false;
        }
    }
    return true;
}
static_assert(tableFollowsEnum());
static_assert(kSkinImageNames.size() == static_cast<std::size_t>(SkinImage::ProfilesDialog) + 1);
constexpr std::size_t kRequiredImageCount = static_cast<std::size_t>(SkinImage::SkinsDialog) + 1;

} // namespace

const wchar_t* skinImageFileName(SkinImage image) {
    return kSkinImageNames[static_cast<std::size_t>(image)].fileName;
}

std::span<const SkinImage> allSkinImages() {
    return kAllSkinImages;
}

std::span<const SkinImage> requiredSkinImages() {
    return std::span<const SkinImage>(kAllSkinImages).first(kRequiredImageCount);
}
