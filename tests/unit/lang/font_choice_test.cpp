#include <gtest/gtest.h>

#include <string_view>

#include "lang/font_choice.h"

namespace {

struct FontCase {
    std::wstring_view code;
    unsigned major;
    unsigned minor;
    MainWindowFonts expected;
    FontSpec expectedDialog;
};

const FontSpec kHeiti{L"黑体", 13, 400};
const FontSpec kHeitiTitle{L"黑体", 18, 700};
const FontSpec kSongti{L"宋体", 13, 400};
const FontSpec kSongtiTitle{L"宋体", 18, 700};
const FontSpec kArial{L"Arial", 14, 400};
const FontSpec kTahomaTitle{L"Tahoma", 18, 700};

const FontCase kFontCases[] = {
    {L"CHS", 6, 2, {kHeiti, kHeitiTitle}, kHeiti},    {L"CHS", 6, 1, {kSongti, kSongtiTitle}, kSongti},
    {L"CHS", 6, 3, {kSongti, kSongtiTitle}, kSongti}, {L"CHS", 10, 0, {kSongti, kSongtiTitle}, kSongti},
    {L"CHS", 5, 2, {kSongti, kSongtiTitle}, kSongti}, {L"CHT", 6, 1, {kHeiti, kHeitiTitle}, kHeiti},
    {L"CHT", 6, 2, {kHeiti, kHeitiTitle}, kHeiti},    {L"CHT", 10, 0, {kHeiti, kHeitiTitle}, kHeiti},
    {L"GER", 6, 2, {kArial, kTahomaTitle}, kArial},   {L"", 10, 0, {kArial, kTahomaTitle}, kArial},
    {L"chs", 6, 2, {kArial, kTahomaTitle}, kArial},   {L"CHSX", 6, 2, {kArial, kTahomaTitle}, kArial},
    {L"cht", 6, 1, {kArial, kTahomaTitle}, kArial},
};

TEST(FontChoiceTest, FacesHeightsAndWeightsByLanguageAndWindowsVersion) {
    for (const FontCase& c : kFontCases) {
        SCOPED_TRACE(::testing::Message()
                     << "code length " << c.code.size() << ", Windows " << c.major << "." << c.minor);
        const MainWindowFonts fonts = chooseMainWindowFonts(c.code, c.major, c.minor);
        EXPECT_TRUE(fonts.normal == c.expected.normal);
        EXPECT_TRUE(fonts.title == c.expected.title);
        EXPECT_TRUE(chooseDialogFont(c.code, c.major, c.minor) == c.expectedDialog);
    }
}

} // namespace
