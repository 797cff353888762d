#pragma once

#include <string>
#include <string_view>

// A font as the windows create it: face name, height in logical units and weight.
struct FontSpec {
    std::wstring face;
    int height;
    int weight;

    bool operator==(const FontSpec&) const = default;
};

// The two fonts of the main window: labels and list texts, and page titles.
struct MainWindowFonts {
    FontSpec normal;
    FontSpec title;

    bool operator==(const MainWindowFonts&) const = default;
};

// Pitch-and-family value every font of the program is created with (a variable-pitch Swiss face).
inline constexpr int kFontPitchAndFamily = 32;

inline constexpr int kNormalFontWeight = 400;
inline constexpr int kBoldFontWeight = 700;

// Fonts of the main window for the "Lan" code and the Windows version that GetVersion reports.
// Only exactly "CHS" and "CHT" select Chinese faces; any other code gets Arial and Tahoma.
MainWindowFonts chooseMainWindowFonts(std::wstring_view languageCode, unsigned windowsMajor,
                                      unsigned windowsMinor);

// The font of a skinned dialog: the main window's normal face, 13 high for Chinese, 14 for Arial.
FontSpec chooseDialogFont(std::wstring_view languageCode, unsigned windowsMajor, unsigned windowsMinor);
