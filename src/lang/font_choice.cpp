#include "lang/font_choice.h"

#include "lang/language.h"

namespace {

constexpr int kChineseTextHeight = 13;
constexpr int kLatinTextHeight = 14;
constexpr int kTitleHeight = 18;

// The Chinese face for the language: "CHS" uses 黑体 on Windows 6.2 and 宋体 on any other version,
// "CHT" always 黑体. Empty for the languages written in Latin letters.
std::wstring chineseFace(Language language, unsigned windowsMajor, unsigned windowsMinor) {
    switch (language) {
    case Language::SimplifiedChinese:
        return windowsMajor == 6 && windowsMinor == 2 ? L"黑体" : L"宋体";
    case Language::TraditionalChinese:
        return L"黑体";
    case Language::German:
    case Language::English:
        break;
    }
    return {};
}

} // namespace

MainWindowFonts chooseMainWindowFonts(std::wstring_view languageCode, unsigned windowsMajor,
                                      unsigned windowsMinor) {
    const std::wstring face = chineseFace(languageFromCode(languageCode), windowsMajor, windowsMinor);
    if (face.empty()) {
        return {{L"Arial", kLatinTextHeight, kNormalFontWeight}, {L"Tahoma", kTitleHeight, kBoldFontWeight}};
    }
    return {{face, kChineseTextHeight, kNormalFontWeight}, {face, kTitleHeight, kBoldFontWeight}};
}

FontSpec chooseDialogFont(std::wstring_view languageCode, unsigned windowsMajor, unsigned windowsMinor) {
    return chooseMainWindowFonts(languageCode, windowsMajor, windowsMinor).normal;
}
