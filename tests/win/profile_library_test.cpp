#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "config_test_folder.h"
#include "profile/profile_library.h"
#include "profile/profile_state.h"

namespace {

Profile profileWithRate(uint8_t code) {
    ProfileState state;
    restoreDefaultAssignments(state.record);
    state.record.reportIntervalCode = code;
    return makeProfile(state);
}

// The Profiles folder beside an exe whose path has blanks and non-ASCII characters, with profile
// names Windows file names hold in any script: what each change leaves in the folder.
TEST(ProfileLibraryOnWindows, KeepsProfilesBesideTheExeUnderWideNames) {
    ConfigTestFolder folder;
    const std::wstring profiles = profilesFolder(folder.file(L"Krello Marrowin\u00b2.exe"));
    EXPECT_EQ(profiles, folder.file(L"Profiles"));
    ProfileLibrary library(profiles);
    ASSERT_EQ(library.saveNew(L"Sch\u00fctze \u5c04\u51fb", profileWithRate(8)), std::nullopt);
    ASSERT_EQ(library.saveNew(L"Desktop", profileWithRate(1)), std::nullopt);
    EXPECT_EQ(library.saveNew(L"desktop", profileWithRate(1)),
              (LibraryRefusal{TextKey::ProfileNameExists, L"Desktop"}));
    ASSERT_EQ(library.rename(L"desktop", L"DESKTOP"), std::nullopt);
    ASSERT_EQ(library.setPrograms(L"sch\u00dcTZE \u5c04\u51fb", {L"Spiel.exe"}), std::nullopt);
    EXPECT_EQ(library.names(), (std::vector<std::wstring>{L"DESKTOP", L"Sch\u00fctze \u5c04\u51fb"}));

    const std::wstring exported = folder.file(L"Kopie \u00e4.toml");
    ASSERT_EQ(library.exportTo(L"DESKTOP", exported), std::nullopt);
    ASSERT_EQ(library.remove(L"Desktop"), std::nullopt);
    EXPECT_EQ(library.importFrom(exported), (std::variant<std::wstring, LibraryRefusal>(L"Kopie \u00e4")));

    const std::vector<SwitchableProfile> switchable = library.switchableProfiles();
    ASSERT_EQ(switchable.size(), 2u);
    EXPECT_EQ(switchable[0].name, L"Kopie \u00e4");
    EXPECT_EQ(switchable[0].record.reportIntervalCode, 1);
    EXPECT_EQ(switchable[1].programs, std::vector<std::wstring>{L"Spiel.exe"});
}

} // namespace
