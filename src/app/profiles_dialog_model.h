#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/dialog_focus.h"
#include "common/geometry.h"
#include "lang/language.h"
#include "lang/notice.h"
#include "profile/profile.h"
#include "profile/profile_library.h"

// The Profiles dialog: the profiles of the Profiles folder in a list, a name field, the buttons that
// save the current configuration as a new profile, rename, delete, import and export the selected
// one, the programs that put the selected profile in force (typed, or picked from the running
// programs) and two options. Every change to the folder is made at once, as in a file manager; the
// options are taken only when the dialog ends with OK.

// The dialog's hot areas and controls, in client pixels (right and bottom exclusive).
// The identifiers of the dialog's controls.
inline constexpr int kProfilesDialogProfileListId = 570;
inline constexpr int kProfilesDialogNameEditId = 571;
inline constexpr int kProfilesDialogProgramListId = 572;
inline constexpr int kProfilesDialogProgramEditId = 573;
inline constexpr int kProfilesDialogRunningListId = 574;

// The profiles and their name field, the profile buttons, the programs and their field and buttons,
// the two options, OK and Cancel.
std::vector<DialogStop> profilesDialogKeyboardOrder();

// The skin buttons of the dialog and their captions, in drawing order.
struct ProfilesDialogButton {
    Rect area;
    TextKey caption;
};
const std::vector<ProfilesDialogButton>& profilesDialogButtons();

// Where the tick of an option is drawn: the left end of its area, vertically centred.
Point optionTickAt(const Rect& option);

enum class ProfilesDialogCommand {
    None,
    SaveNew,
    Rename,
    Delete,
    Import,
    Export,
    AddProgram,
    ToggleRunningList,
    RemoveProgram,
    ToggleBalloon,
    ToggleArrival,
};

// What one left click asks for: the open list of running programs closes on a click outside it and
// its button, and at most one command runs.
struct ProfilesDialogClick {
    bool closeRunningList = false;
    ProfilesDialogCommand command = ProfilesDialogCommand::None;
    bool operator==(const ProfilesDialogClick&) const = default;
};

struct ProfilesDialogOptions {
    bool switchBalloon = false; // a balloon names the profile the program in front switched to
    bool sendOnArrival = false; // the settings go to the mouse on every arrival
    bool operator==(const ProfilesDialogOptions&) const = default;
};

// A refusal of the Profiles folder as the warning the user sees: its text, then its detail line.
Notice libraryNotice(const LibraryRefusal& refusal, const UiTexts& texts);

// Nothing when the change was made; else the warning to show.
using DialogResult = std::optional<Notice>;

class ProfilesDialogModel {
public:
    // `chosen` is the profile the user chose last (str.ini), followed through renames and deletions.
    ProfilesDialogModel(ProfileLibrary& library, const UiTexts& texts, ProfilesDialogOptions options,
                        std::optional<std::wstring> chosen);

    ProfilesDialogClick click(Point p) const;

    const std::vector<std::wstring>& names() const { return names_; }
    std::optional<std::size_t> selected() const { return selected_; }
    // A pick in the profile list; nothing or a position past the end selects none.
    void select(std::optional<std::size_t> index);
    // The programs the selected profile names; none without a selection.
    const std::vector<std::wstring>& programs() const { return programs_; }

    // The configuration in use saved under the typed name, then selected.
    DialogResult saveNew(const std::wstring& name, const Profile& current);
    DialogResult renameSelected(const std::wstring& name);
    DialogResult deleteSelected();
    // A profile file taken into the folder under its file name, then selected; a refused file
    // changes nothing and its warning names FILE:LINE and what is wrong.
    DialogResult importFrom(const std::wstring& path);
    DialogResult exportSelected(const std::wstring& path) const;
    // The file name the export's file dialog suggests: "<name>.toml"; empty without a selection.
    std::wstring exportFileName() const;

    // A program typed or picked for the selected profile ("game.exe"; blanks around it dropped).
    DialogResult addProgram(const std::wstring& program);
    DialogResult removeProgram(std::optional<std::size_t> index);

    // Opens the list of running programs from the executable names of the running processes, or
    // closes it. It lists each program once, sorted, leaving out those the selected profile names
    // already; it opens only while a profile is selected. Returns whether it is open.
    bool toggleRunningList(const std::vector<std::wstring>& runningExecutables);
    void closeRunningList();
    bool runningListOpen() const { return runningOpen_; }
    const std::vector<std::wstring>& runningList() const { return running_; }
    // The user picked entry `index` of the open list: the program is added and the list closes.
    DialogResult pickRunning(std::optional<std::size_t> index);

    void toggleBalloon() { options_.switchBalloon = !options_.switchBalloon; }
    void toggleArrival() { options_.sendOnArrival = !options_.sendOnArrival; }
    const ProfilesDialogOptions& options() const { return options_; }

    // The profile chosen last, under its new name after a rename, nothing once deleted.
    const std::optional<std::wstring>& chosen() const { return chosen_; }
    // The renames made, in order, for whoever holds profile names (the switcher).
    const std::vector<std::pair<std::wstring, std::wstring>>& renames() const { return renames_; }
    // The folder changed: profiles saved, renamed, deleted, imported or given other programs.
    bool folderChanged() const { return folderChanged_; }

private:
    // Reads the folder again and selects `name` (none when it is not there).
    void reload(const std::optional<std::wstring>& name);
    DialogResult refused(const LibraryResult& result) const;
    DialogResult setPrograms(std::vector<std::wstring> programs);
    const std::wstring* selectedName() const;

    ProfileLibrary& library_;
    const UiTexts& texts_;
    ProfilesDialogOptions options_;
    std::optional<std::wstring> chosen_;
    std::vector<std::wstring> names_;
    std::optional<std::size_t> selected_;
    std::vector<std::wstring> programs_;
    bool runningOpen_ = false;
    std::vector<std::wstring> running_;
    std::vector<std::pair<std::wstring, std::wstring>> renames_;
    bool folderChanged_ = false;
};
