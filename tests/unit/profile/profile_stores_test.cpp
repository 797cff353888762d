#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ini_file.h"
#include "config/temp_folder.h"
#include "profile/profile_stores.h"

namespace {

TEST(ProfileStores, MacrosGoToANewRecordIniInUtf16AndComeBackInOrder) {
    TempFolder folder(L"gm profile t\u00e9st");
    const std::vector<ProfileMacro> macros = {
        {L"Zweiter \u00dcberfall", L"300", {L"A   Dn", L"1500 ms", L"A   Up"}},
        {L"\u5b8f", L"abc", {}},
        {L"first", L"1", {L"L-Button   Dn"}},
    };
    IniFile file(pathFromWide(folder.file(L"record.ini")));
    MacroStore store(file);
    writeProfileMacros(store, macros);
    EXPECT_EQ(readBytes(folder.file(L"record.ini")).substr(0, 2), "\xFF\xFE");
    IniFile again(pathFromWide(folder.file(L"record.ini")));
    MacroStore storeAgain(again);
    EXPECT_EQ(readProfileMacros(storeAgain), macros);
}

TEST(ProfileStores, LabelsOfTheGivenLanguagesOnlyAndTheSkinKept) {
    TempFolder folder;
    writeBytes(folder.file(L"str.ini"), "[Skins]\r\nPath=Blue\r\n[Setting-GER]\r\nItem1=Links\r\n");
    IniFile file(pathFromWide(folder.file(L"str.ini")));
    ProfileLabels english{Language::English, {}, {}};
    english.modeA[0] = L"Left Click";
    english.modeB[11] = L"Single Key-F5";
    writeProfileLabels(file, {english});

    const std::vector<ProfileLabels> read = readProfileLabels(file);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0], english);
    EXPECT_EQ(read[1].language, Language::German);
    EXPECT_EQ(read[1].modeA[0], L"Links");
    EXPECT_EQ(file.readString(L"Skins", L"Path"), L"Blue");
    EXPECT_EQ(file.readString(settingsSection(Language::English), L"Item123"), L"Single Key-F5");
}

} // namespace
