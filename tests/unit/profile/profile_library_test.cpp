#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "config/temp_folder.h"
#include "profile/profile_library.h"
#include "profile/profile_reader.h"
#include "profile/profile_state.h"
#include "profile/profile_writer.h"
#include "profile/windows_file_name.h"

namespace {

TEST(WindowsFileName, TakesWhatAWindowsFileNameHoldsAndNothingElse) {
    const struct {
        std::wstring name;
        bool allowed;
    } cases[] = {
        {L"Shooter", true},
        {L"game.exe", true},
        {L"Sch\u00fctze \u5c04\u51fb", true},
        {L"con2", true},
        {L"COM0", true},
        {L"", false},
        {L" Shooter", false},
        {L"Shooter ", false},
        {L"Shooter.", false},
        {L"a/b", false},
        {L"a\\b", false},
        {L"C:", false},
        {L"what?", false},
        {L"*", false},
        {L"\"q\"", false},
        {L"<x>", false},
        {L"a|b", false},
        {L"tab\there", false},
        {L"CON", false},
        {L"nul", false},
        {L"Aux.txt", false},
        {L"com7", false},
        {L"LPT1.toml", false},
        {std::wstring(kLongestFileName, L'x'), true},
        {std::wstring(kLongestFileName + 1, L'x'), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(canBeWindowsFileName(c.name), c.allowed) << encodeUtf8(c.name);
    }
}

Profile profileWithRate(uint8_t code) {
    ProfileState state;
    restoreDefaultAssignments(state.record);
    state.record.reportIntervalCode = code;
    return makeProfile(state);
}

class ProfileLibraryTest : public ::testing::Test {
protected:
    TempFolder temp{L"gm Profiles \u00e4"};
    ProfileLibrary library{temp.file(L"Profiles")};
};

// Each change of the folder, the refusal it gives (nothing: done) and the names afterwards.
TEST_F(ProfileLibraryTest, SavesRenamesAndDeletesByNameWithoutRegardToCase) {
    using Change = std::function<LibraryResult(ProfileLibrary&)>;
    const struct {
        const char* what;
        Change change;
        LibraryResult result;
        std::vector<std::wstring> names;
    } steps[] = {
        {"a first profile makes the folder",
         [](auto& l) { return l.saveNew(L"Shooter", profileWithRate(1)); },
         std::nullopt,
         {L"Shooter"}},
        {"a second",
         [](auto& l) { return l.saveNew(L"\u5c04\u51fb desktop", profileWithRate(2)); },
         std::nullopt,
         {L"Shooter", L"\u5c04\u51fb desktop"}},
        {"an existing name in other case",
         [](auto& l) { return l.saveNew(L"SHOOTER", profileWithRate(4)); },
         LibraryRefusal{TextKey::ProfileNameExists, L"Shooter"},
         {L"Shooter", L"\u5c04\u51fb desktop"}},
        {"a reserved name",
         [](auto& l) { return l.saveNew(L"prn", profileWithRate(4)); },
         LibraryRefusal{TextKey::ProfileNameNotAllowed, L"prn"},
         {L"Shooter", L"\u5c04\u51fb desktop"}},
        {"a name with a colon",
         [](auto& l) { return l.rename(L"shooter", L"a:b"); },
         LibraryRefusal{TextKey::ProfileNameNotAllowed, L"a:b"},
         {L"Shooter", L"\u5c04\u51fb desktop"}},
        {"a rename onto another profile",
         [](auto& l) { return l.rename(L"shooter", L"\u5c04\u51fb DESKTOP"); },
         LibraryRefusal{TextKey::ProfileNameExists, L"\u5c04\u51fb desktop"},
         {L"Shooter", L"\u5c04\u51fb desktop"}},
        {"a rename in case only",
         [](auto& l) { return l.rename(L"shooter", L"SHOOTER"); },
         std::nullopt,
         {L"SHOOTER", L"\u5c04\u51fb desktop"}},
        {"a rename",
         [](auto& l) { return l.rename(L"Shooter", L"Arena"); },
         std::nullopt,
         {L"Arena", L"\u5c04\u51fb desktop"}},
        {"a rename of a missing profile",
         [](auto& l) { return l.rename(L"Shooter", L"Other"); },
         LibraryRefusal{TextKey::ProfileMissing, L"Shooter"},
         {L"Arena", L"\u5c04\u51fb desktop"}},
        {"a delete", [](auto& l) { return l.remove(L"ARENA"); }, std::nullopt, {L"\u5c04\u51fb desktop"}},
        {"a delete of a missing profile",
         [](auto& l) { return l.remove(L"Arena"); },
         LibraryRefusal{TextKey::ProfileMissing, L"Arena"},
         {L"\u5c04\u51fb desktop"}},
    };
    EXPECT_TRUE(library.names().empty());
    for (const auto& step : steps) {
        EXPECT_EQ(step.change(library), step.result) << step.what;
        EXPECT_EQ(library.names(), step.names) << step.what;
    }
    const auto loaded = library.load(L"\u5c04\u51fb DESKTOP");
    ASSERT_TRUE(std::holds_alternative<Profile>(loaded));
    EXPECT_EQ(std::get<Profile>(loaded), profileWithRate(2));
}

// Programs: kept in the profile's file, each once, never in two profiles; an older file has none.
TEST_F(ProfileLibraryTest, ProgramsLiveInTheProfileAndSwitchOneProfileOnly) {
    ASSERT_EQ(library.saveNew(L"Shooter", profileWithRate(8)), std::nullopt);
    ASSERT_EQ(library.saveNew(L"Desktop", profileWithRate(1)), std::nullopt);
    const struct {
        const wchar_t* profile;
        std::vector<std::wstring> programs;
        LibraryResult result;
    } cases[] = {
        {L"shooter", {L"game.exe", L"GAME.EXE", L"arena.exe"}, std::nullopt},
        {L"Desktop",
         {L"explorer.exe", L"Game.exe"},
         LibraryRefusal{TextKey::ProgramInOtherProfile, L"Shooter"}},
        {L"Desktop",
         {L"C:\\x\\game.exe"},
         LibraryRefusal{TextKey::ProgramNameNotAllowed, L"C:\\x\\game.exe"}},
        {L"Nobody", {L"x.exe"}, LibraryRefusal{TextKey::ProfileMissing, L"Nobody"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(library.setPrograms(c.profile, c.programs), c.result) << encodeUtf8(c.profile);
    }
    const std::vector<SwitchableProfile> switchable = library.switchableProfiles();
    ASSERT_EQ(switchable.size(), 2u);
    EXPECT_EQ(switchable[0].name, L"Desktop");
    EXPECT_TRUE(switchable[0].programs.empty());
    EXPECT_EQ(switchable[1].programs, (std::vector<std::wstring>{L"game.exe", L"arena.exe"}));
    EXPECT_EQ(switchable[1].record.reportIntervalCode, 8);

    // A new configuration saved into the profile keeps its programs.
    ASSERT_EQ(library.replace(L"Shooter", profileWithRate(2)), std::nullopt);
    const Profile replaced = std::get<Profile>(library.load(L"Shooter"));
    EXPECT_EQ(replaced.programs, (std::vector<std::wstring>{L"game.exe", L"arena.exe"}));
    EXPECT_EQ(replaced.reportIntervalCode, 2);
}

TEST_F(ProfileLibraryTest, ExportAndImportCarryTheProgramsAndABadFileChangesNothing) {
    ASSERT_EQ(library.saveNew(L"Shooter", profileWithRate(8)), std::nullopt);
    ASSERT_EQ(library.setPrograms(L"Shooter", {L"game.exe"}), std::nullopt);
    const std::wstring exported = temp.file(L"Arena \u00e4.toml");
    ASSERT_EQ(library.exportTo(L"Shooter", exported), std::nullopt);
    EXPECT_EQ(library.importFrom(exported), (std::variant<std::wstring, LibraryRefusal>(
                                                LibraryRefusal{TextKey::ProgramInOtherProfile, L"Shooter"})));
    ASSERT_EQ(library.setPrograms(L"Shooter", {}), std::nullopt);
    EXPECT_EQ(library.importFrom(exported), (std::variant<std::wstring, LibraryRefusal>(L"Arena \u00e4")));
    EXPECT_EQ(std::get<Profile>(library.load(L"Arena \u00e4")).programs,
              std::vector<std::wstring>{L"game.exe"});
    EXPECT_EQ(library.importFrom(exported), (std::variant<std::wstring, LibraryRefusal>(LibraryRefusal{
                                                TextKey::ProfileNameExists, L"Arena \u00e4"})));

    std::string text = readBytes(exported);
    text.replace(text.find("report_rate = 125"), 17, "report_rate = 333");
    const std::wstring bad = temp.file(L"Bad.toml");
    writeBytes(bad, text);
    const auto refused = library.importFrom(bad);
    ASSERT_TRUE(std::holds_alternative<LibraryRefusal>(refused));
    EXPECT_EQ(std::get<LibraryRefusal>(refused).text, TextKey::ProfileFileRefused);
    EXPECT_TRUE(std::get<LibraryRefusal>(refused).detail.starts_with(bad + L":4: report rate 333 Hz"))
        << encodeUtf8(std::get<LibraryRefusal>(refused).detail);
    EXPECT_EQ(library.names(), (std::vector<std::wstring>{L"Arena \u00e4", L"Shooter"}));
}

} // namespace
