#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/profiles_dialog_model.h"
#include "common/dialog_layout.h"
#include "config/temp_folder.h"
#include "profile/profile_state.h"
#include "profile/profile_writer.h"

namespace {

Profile profileWithRate(uint8_t code) {
    ProfileState state;
    restoreDefaultAssignments(state.record);
    state.record.reportIntervalCode = code;
    return makeProfile(state);
}

// A profile file edited by hand to a report rate the mouse does not have, and the line of the edit.
std::pair<std::string, std::size_t> profileEditedToRefusal() {
    std::string text = writeProfileText(profileWithRate(1));
    const std::size_t start = text.find("\nreport_rate = ") + 1;
    text.replace(start, text.find('\n', start) - start, "report_rate = 333");
    return {text, static_cast<std::size_t>(std::count(text.begin(), text.begin() + start, '\n')) + 1};
}

class ProfilesDialogModelTest : public ::testing::Test {
protected:
    TempFolder temp{L"gm dialog \u00e4"};
    ProfileLibrary library{temp.file(L"Profiles")};
    UiTexts texts{Language::English};
};

// A session in the dialog, one step at a time: what the user does, the warning it gives (its text
// up to the detail line; empty: none), and the list, selection, programs and chosen profile after it.
TEST_F(ProfilesDialogModelTest, ChangesTheFolderAndFollowsTheChosenProfile) {
    const std::wstring refusedFile = temp.file(L"broken.toml");
    writeBytes(refusedFile, profileEditedToRefusal().first);
    const std::wstring goodFile = temp.file(L"Racing.toml");
    writeBytes(goodFile, writeProfileText(profileWithRate(2)));

    ProfilesDialogModel model(library, texts, {}, L"Shooter");
    using Step = std::function<DialogResult(ProfilesDialogModel&)>;
    const struct {
        const char* what;
        Step step;
        std::wstring warning;
        std::vector<std::wstring> names;
        std::optional<std::size_t> selected;
        std::vector<std::wstring> programs;
        std::optional<std::wstring> chosen;
    } steps[] = {
        {"save under a typed name, blanks dropped",
         [](auto& m) { return m.saveNew(L" Shooter ", profileWithRate(1)); },
         L"",
         {L"Shooter"},
         0,
         {},
         L"Shooter"},
        {"a name of another case is taken",
         [](auto& m) { return m.saveNew(L"shooter", profileWithRate(1)); },
         texts[TextKey::ProfileNameExists],
         {L"Shooter"},
         0,
         {},
         L"Shooter"},
        {"a name Windows cannot hold",
         [](auto& m) { return m.saveNew(L"a/b", profileWithRate(1)); },
         texts[TextKey::ProfileNameNotAllowed],
         {L"Shooter"},
         0,
         {},
         L"Shooter"},
        {"a program typed",
         [](auto& m) { return m.addProgram(L" game.exe"); },
         L"",
         {L"Shooter"},
         0,
         {L"game.exe"},
         L"Shooter"},
        {"the same program again in another case",
         [](auto& m) { return m.addProgram(L"GAME.EXE"); },
         L"",
         {L"Shooter"},
         0,
         {L"game.exe"},
         L"Shooter"},
        {"no program by path",
         [](auto& m) { return m.addProgram(L"C:\\game.exe"); },
         texts[TextKey::ProgramNameNotAllowed],
         {L"Shooter"},
         0,
         {L"game.exe"},
         L"Shooter"},
        {"a refused import changes nothing",
         [&](auto& m) { return m.importFrom(refusedFile); },
         texts[TextKey::ProfileFileRefused],
         {L"Shooter"},
         0,
         {L"game.exe"},
         L"Shooter"},
        {"an import comes in under its file name",
         [&](auto& m) { return m.importFrom(goodFile); },
         L"",
         {L"Racing", L"Shooter"},
         0,
         {},
         L"Shooter"},
        {"a program another profile names",
         [](auto& m) { return m.addProgram(L"game.exe"); },
         texts[TextKey::ProgramInOtherProfile],
         {L"Racing", L"Shooter"},
         0,
         {},
         L"Shooter"},
        {"selecting the chosen one",
         [](auto& m) {
             m.select(1);
             return DialogResult{};
         },
         L"",
         {L"Racing", L"Shooter"},
         1,
         {L"game.exe"},
         L"Shooter"},
        {"renaming it renames the chosen",
         [](auto& m) { return m.renameSelected(L"Aim"); },
         L"",
         {L"Aim", L"Racing"},
         0,
         {L"game.exe"},
         L"Aim"},
        {"renaming onto another's name",
         [](auto& m) { return m.renameSelected(L"racing"); },
         texts[TextKey::ProfileNameExists],
         {L"Aim", L"Racing"},
         0,
         {L"game.exe"},
         L"Aim"},
        {"its program removed",
         [](auto& m) { return m.removeProgram(0); },
         L"",
         {L"Aim", L"Racing"},
         0,
         {},
         L"Aim"},
        {"deleting it leaves nothing chosen or selected",
         [](auto& m) { return m.deleteSelected(); },
         L"",
         {L"Racing"},
         std::nullopt,
         {},
         std::nullopt},
        {"without a selection nothing is renamed",
         [](auto& m) { return m.renameSelected(L"X"); },
         L"",
         {L"Racing"},
         std::nullopt,
         {},
         std::nullopt},
    };
    for (const auto& s : steps) {
        const DialogResult result = s.step(model);
        const std::wstring warning = result ? noticeText(*result, texts) : L"";
        EXPECT_EQ(warning.substr(0, warning.find(L'\n')), s.warning) << s.what;
        EXPECT_EQ(model.names(), s.names) << s.what;
        EXPECT_EQ(model.selected(), s.selected) << s.what;
        EXPECT_EQ(model.programs(), s.programs) << s.what;
        EXPECT_EQ(model.chosen(), s.chosen) << s.what;
    }
    EXPECT_TRUE(model.folderChanged());
    const std::vector<std::pair<std::wstring, std::wstring>> renames{{L"Shooter", L"Aim"}};
    EXPECT_EQ(model.renames(), renames);
}

TEST_F(ProfilesDialogModelTest, RefusedImportNamesFileAndLine) {
    const std::wstring file = temp.file(L"edited.toml");
    const auto [text, line] = profileEditedToRefusal();
    writeBytes(file, text);
    ProfilesDialogModel model(library, texts, {}, std::nullopt);
    const DialogResult result = model.importFrom(file);
    ASSERT_TRUE(result);
    const std::wstring shown = noticeText(*result, texts);
    EXPECT_NE(shown.find(L"\n" + file + L":" + std::to_wstring(line) + L": report rate 333 Hz"),
              std::wstring::npos)
        << encodeUtf8(shown);
    EXPECT_TRUE(library.names().empty());
}

TEST_F(ProfilesDialogModelTest, RunningListOffersEachProgramNotYetNamedOnce) {
    ASSERT_FALSE(library.saveNew(L"Shooter", profileWithRate(1)));
    ASSERT_FALSE(library.setPrograms(L"Shooter", {L"game.exe"}));
    ProfilesDialogModel model(library, texts, {}, std::nullopt);
    EXPECT_FALSE(model.toggleRunningList({L"a.exe"})) << "no list without a selected profile";
    model.select(0);
    ASSERT_TRUE(model.toggleRunningList({L"zed.exe", L"Game.exe", L"b.exe", L"B.EXE", L"", L"a.exe"}));
    EXPECT_EQ(model.runningList(), (std::vector<std::wstring>{L"a.exe", L"b.exe", L"zed.exe"}));
    EXPECT_FALSE(model.pickRunning(2));
    EXPECT_FALSE(model.runningListOpen());
    EXPECT_EQ(model.programs(), (std::vector<std::wstring>{L"game.exe", L"zed.exe"}));
}

// Where a click lands with the list of running programs closed and open.
TEST(ProfilesDialogClick, ButtonsActAndTheOpenListTakesItsOwnClicks) {
    const auto centre = [](const Rect& r) { return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; };
    const struct {
        Rect area;
        bool listOpen;
        ProfilesDialogClick click;
    } cases[] = {
        {dialog_layout::ProfilesSaveNew, false, {false, ProfilesDialogCommand::SaveNew}},
        {dialog_layout::ProfilesExport, false, {false, ProfilesDialogCommand::Export}},
        {dialog_layout::ProfilesRemoveProgram, false, {false, ProfilesDialogCommand::RemoveProgram}},
        {dialog_layout::ProfilesArrivalOption, false, {false, ProfilesDialogCommand::ToggleArrival}},
        {dialog_layout::ProfilesProfileList, false, {false, ProfilesDialogCommand::None}},
        {dialog_layout::ProfilesRunningPrograms, true, {false, ProfilesDialogCommand::ToggleRunningList}},
        {dialog_layout::ProfilesRemoveProgram, true, {false, ProfilesDialogCommand::None}},
        {dialog_layout::ProfilesDelete, true, {true, ProfilesDialogCommand::Delete}},
    };
    TempFolder temp;
    ProfileLibrary library(temp.file(L"Profiles"));
    ASSERT_FALSE(library.saveNew(L"One", profileWithRate(1)));
    const UiTexts texts;
    for (const auto& c : cases) {
        ProfilesDialogModel model(library, texts, {}, L"One");
        if (c.listOpen) {
            ASSERT_TRUE(model.toggleRunningList({L"game.exe"}));
        }
        EXPECT_EQ(model.click(centre(c.area)), c.click)
            << "area at " << c.area.left << "," << c.area.top << " open " << c.listOpen;
    }
}

} // namespace
