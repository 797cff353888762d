#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/app_settings.h"
#include "config/ini_file.h"
#include "temp_folder.h"

namespace {

TEST(AppSettings, LabelKeysNumberModeAFromOneAndModeBByTens) {
    const wchar_t* const keysA[] = {L"Item1", L"Item2", L"Item3", L"Item4",  L"Item5",  L"Item6",
                                    L"Item7", L"Item8", L"Item9", L"Item10", L"Item11", L"Item12"};
    const wchar_t* const keysB[] = {L"Item13", L"Item23", L"Item33", L"Item43",  L"Item53",  L"Item63",
                                    L"Item73", L"Item83", L"Item93", L"Item103", L"Item113", L"Item123"};
    for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
        EXPECT_EQ(labelKey(KeyMode::ModeA, slot), keysA[slot]);
        EXPECT_EQ(labelKey(KeyMode::ModeB, slot), keysB[slot]);
    }
}

TEST(AppSettings, ColorComponentsConvertLikeTheCRuntime) {
    const struct {
        const wchar_t* text;
        uint8_t value;
    } cases[] = {
        {L"0", 0},        {L"255", 255},         {L"128", 128},        {L"256", 0}, {L"300", 44},
        {L"", 0},         {L"abc", 0},           {L"  42xyz", 42},     {L"+7", 7},  {L"-1", 255},
        {L"\t12 34", 12}, {L"99999999999", 255}, {L"-99999999999", 0}, {L"1e3", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(colorComponent(c.text), c.value) << c.text;
    }
}

class AppSettingsFile : public ::testing::Test {
protected:
    TempFolder temp;
    std::wstring path = temp.file(L"str.ini");
    IniFile ini{pathFromWide(path)};

    static AppSettings numberedLabels(const std::wstring& prefix) {
        AppSettings settings;
        for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
            settings.labelsA[slot] = prefix + L" A" + std::to_wstring(slot);
            settings.labelsB[slot] = prefix + L" B" + std::to_wstring(slot);
        }
        return settings;
    }
};

TEST_F(AppSettingsFile, LabelsGoUnderTheirKeysInTheLanguageSection) {
    AppSettings settings = numberedLabels(L"Taste");
    settings.labelsA[9] = L"";
    writeButtonLabels(ini, L"Setting-GER", settings);
    EXPECT_EQ(ini.readString(L"Setting-GER", L"Item3"), L"Taste A2");
    EXPECT_EQ(ini.readString(L"Setting-GER", L"Item33"), L"Taste B2");
    EXPECT_EQ(ini.readString(L"Setting-GER", L"Item123"), L"Taste B11");
    EXPECT_EQ(ini.readString(L"Setting-GER", L"Item12"), L"Taste A11");

    AppSettings read;
    readSettings(ini, L"Setting-GER", read);
    EXPECT_EQ(read.labelsA, settings.labelsA);
    EXPECT_EQ(read.labelsB, settings.labelsB);
}

TEST_F(AppSettingsFile, EachLanguageKeepsItsOwnLabels) {
    writeButtonLabels(ini, L"Setting-EN", numberedLabels(L"Key"));
    const std::string english = readBytes(path);
    writeButtonLabels(ini, L"Setting-GER", numberedLabels(L"Taste"));

    EXPECT_EQ(ini.sectionNames(), (std::vector<std::wstring>{L"Setting-EN", L"Setting-GER"}));
    const std::string both = readBytes(path);
    EXPECT_EQ(both.substr(0, english.size()), english) << "the English section is left as it was";

    AppSettings english_read, german_read;
    readSettings(ini, L"Setting-EN", english_read);
    readSettings(ini, L"Setting-GER", german_read);
    EXPECT_EQ(english_read.labelsB[4], L"Key B4");
    EXPECT_EQ(german_read.labelsB[4], L"Taste B4");
}

TEST_F(AppSettingsFile, RewritingReplacesEveryLabelIncludingHiddenSlots) {
    writeButtonLabels(ini, L"Setting-EN", numberedLabels(L"old"));
    writeButtonLabels(ini, L"Setting-EN", numberedLabels(L"new"));
    AppSettings read;
    readSettings(ini, L"Setting-EN", read);
    EXPECT_EQ(read.labelsA, numberedLabels(L"new").labelsA);
    EXPECT_EQ(read.labelsB, numberedLabels(L"new").labelsB);
}

TEST_F(AppSettingsFile, OnlyASkinsSectionGivesEmptyLabelsAndTheSkin) {
    writeSkinSettings(ini, 255, 128, 0, L"Dunkel Blau");
    AppSettings settings = numberedLabels(L"stale");
    readSettings(ini, L"Setting-EN", settings);
    for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
        EXPECT_EQ(settings.labelsA[slot], L"");
        EXPECT_EQ(settings.labelsB[slot], L"");
    }
    EXPECT_EQ(settings.red, L"255");
    EXPECT_EQ(settings.green, L"128");
    EXPECT_EQ(settings.blue, L"0");
    EXPECT_EQ(settings.skinName, L"Dunkel Blau");
    EXPECT_EQ(colorComponent(settings.green), 128);
}

TEST_F(AppSettingsFile, MissingFileGivesEmptyEverythingAndEnglish) {
    AppSettings settings = numberedLabels(L"stale");
    settings.skinName = L"stale";
    readSettings(ini, L"Setting-EN", settings);
    EXPECT_EQ(settings.labelsA[0], L"");
    EXPECT_EQ(settings.red, L"");
    EXPECT_EQ(settings.skinName, L"");
    EXPECT_EQ(readLanguageCode(ini), L"");
    EXPECT_FALSE(fileExists(path));
}

TEST_F(AppSettingsFile, LanguageCodeComesFromTheSkinsSection) {
    writeBytes(path, encodeText(L"[Setting-EN]\r\nLan=CHS\r\n[Skins]\r\nLan=GER\r\n", TextEncoding::Utf8));
    EXPECT_EQ(readLanguageCode(ini), L"GER");
}

// The profile chosen last and the balloon option: what str.ini holds, and what reads back.
TEST_F(AppSettingsFile, ProfileChoiceAndBalloonOptionLiveInTheSkinsSection) {
    const struct {
        const char* file;
        const wchar_t* chosen;
        bool balloon;
    } cases[] = {
        {"", L"", true},
        {"[Skins]\r\nProfile=Shooter \xC3\xA4\r\nProfileBalloon=0\r\n", L"Shooter \u00e4", false},
        {"[skins]\r\nprofile = Desktop\r\nprofileballoon=1\r\n", L"Desktop", true},
        {"[Skins]\r\nProfileBalloon=off\r\n", L"", true},
    };
    for (const auto& c : cases) {
        writeBytes(path, c.file);
        EXPECT_EQ(readChosenProfile(ini), c.chosen) << c.file;
        EXPECT_EQ(readProfileBalloon(ini), c.balloon) << c.file;
    }
    EXPECT_TRUE(writeChosenProfile(ini, L"\u5c04\u51fb"));
    EXPECT_TRUE(writeProfileBalloon(ini, false));
    IniFile again{pathFromWide(path)};
    EXPECT_EQ(readChosenProfile(again), L"\u5c04\u51fb");
    EXPECT_FALSE(readProfileBalloon(again));
    EXPECT_EQ(again.readString(L"Skins", L"Path"), L"");
}

} // namespace
