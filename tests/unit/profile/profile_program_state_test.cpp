#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ini_file.h"
#include "config/temp_folder.h"
#include "profile/profile_program_state.h"
#include "profile/profile_state.h"

namespace {

Profile shooterProfile() {
    ProfileState state;
    restoreDefaultAssignments(state.record);
    state.sensorType = 1;
    state.record.reportIntervalCode = 2;
    state.record.pointerSpeedPosition = 9;
    state.record.enhancePointerPrecision = 1;
    state.record.doubleClickPosition = 3;
    state.record.setA.fireKeySpeed[2] = 7; // a byte no setting names
    WriteButtonFunction(state.record, KeyMode::ModeA, 4, MacroKeyFunction{1, 2});
    state.macros = std::vector<ProfileMacro>{{L"Reload", L"2", {L"R   Dn", L"40 ms", L"R   Up"}},
                                             {L"\u8df3", L"1", {L"Space   Dn", L"Space   Up"}}};
    ProfileLabels english{Language::English, {}, {}};
    english.modeA[4] = L"Macro Key-\u8df3";
    ProfileLabels german{Language::German, {}, {}};
    german.modeB[0] = L"Links";
    state.labels = {english, german};
    return makeProfile(state);
}

// Whatever record.ini and str.ini held before, the profile put into the program comes back out of it
// unchanged.
TEST(ProfileProgramState, AProfileAppliedThenTakenBackIsTheSameProfile) {
    const struct {
        const char* what;
        std::string recordIni;
        std::string strIni;
    } cases[] = {
        {"no files yet", "", ""},
        {"other macros and labels",
         "[Old]\r\nMacroLoopTimes=1\r\nItemCount=1\r\nItem1=A   "
         "Dn\r\n[reload]\r\nMacroLoopTimes=9\r\nItemCount=0\r\n",
         "[Skins]\r\nPath=Blue\r\nProfile=Shooter\r\n[Setting-EN]\r\nItem1=Old left\r\n"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        if (!c.recordIni.empty()) {
            writeBytes(folder.file(L"record.ini"), c.recordIni);
            writeBytes(folder.file(L"str.ini"), c.strIni);
        }
        IniFile recordIni(pathFromWide(folder.file(L"record.ini")));
        IniFile strIni(pathFromWide(folder.file(L"str.ini")));
        MacroStore macros(recordIni);
        DeviceConfigRecord record{};
        const Profile profile = shooterProfile();

        EXPECT_EQ(applyProfile(profile, record, macros, strIni), ProfileApplied{}) << c.what;
        EXPECT_EQ(record.pointerSpeedPosition, 9) << c.what;
        EXPECT_EQ(record.setA.fireKeySpeed[2], 7) << c.what;
        EXPECT_EQ(profileOfProgram(record, profile.sensorType, macros, strIni), profile) << c.what;
    }
}

} // namespace
