#pragma once

#include <span>

// The images every skin folder holds. The pictures are free; the names are fixed.
enum class SkinImage {
    Main,
    BasicPage,
    AdvancedPage,
    ButtonNormal,
    ButtonOver,
    CloseNormal,
    CloseOver,
    MinimiseNormal,
    MinimiseOver,
    SkinsNormal,
    SkinsOver,
    PreviousPageNormal,
    PreviousPageOver,
    NextPageNormal,
    NextPageOver,
    DropdownNormal,
    DropdownOver,
    ReportRateDark,
    ReportRateLight,
    DpiLevelDark,
    DpiLevelLight,
    SliderDark,
    SliderLight,
    CheckBoxEmpty,
    CheckBoxTicked,
    ComboKeyDialog,
    SingleKeyDialog,
    FireKeyDialog,
    DelayTimeDialog,
    MediaKeyDialog,
    WindowsKeyDialog,
    MacroKeyDialog,
    SkinsDialog,
    // Added with the profiles; a skin made before them lacks these.
    ProfilesNormal,
    ProfilesOver,
    ProfilesDialog,
};

// The file name inside the skin folder, without a leading separator, e.g. L"button-over.png".
const wchar_t* skinImageFileName(SkinImage image);

// Every image a complete skin contains, in the order above.
std::span<const SkinImage> allSkinImages();
// The images a skin folder must hold to be used: all but those added with the profiles, so that a
// skin made before them stays in use; without them the Profiles button is not drawn and the
// Profiles dialog says its background is missing.
std::span<const SkinImage> requiredSkinImages();
