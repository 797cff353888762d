#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/dialog_focus.h"
#include "config/profile_store.h"
#include "lang/language.h"
#include "skin/directory_lister.h"
#include "common/geometry.h"
#include "skin/text_colour.h"

// The skin and text colour in use, or chosen in the skins dialog.
struct SkinChoice {
    std::wstring skinName;   // folder name under "Skins", as str.ini keeps it
    std::wstring skinFolder; // full path of that folder
    TextColour textColour;
};

// The dialog's own captions.
struct SkinsDialogTexts {
    std::wstring ok;
    std::wstring cancel;
    std::wstring colourPrompt;
};
SkinsDialogTexts skinsDialogTexts(const UiTexts& texts);

// The identifiers of the skin name's display and the colour swatch.
inline constexpr int kSkinsDialogSkinNameId = 560;
inline constexpr int kSkinsDialogColourSwatchId = 561;

// The colour swatch, the skin drop-down, OK and Cancel.
std::vector<DialogStop> skinsDialogKeyboardOrder();

enum class SkinsDialogCommand { None, EndWithOk, EndWithCancel, ToggleSkinList, ChooseColour };

// What one left click in the dialog asks for: the open skin list closes on a click outside the
// list and its header, and at most one command runs.
struct SkinsDialogClick {
    bool closeSkinList = false;
    SkinsDialogCommand command = SkinsDialogCommand::None;
};

// What the dialog shows after an entry of the skin list was picked.
struct SkinSelection {
    bool destroyList = false; // the list closes
    bool showName = false;    // the name control shows `choice().skinName` and repaints
    bool operator==(const SkinSelection&) const = default;
};

// The choices of the skins dialog: which skin folder and which text colour. Nothing leaves the
// model until the dialog ends with OK and the caller commits the choice.
class SkinsDialogModel {
public:
    SkinsDialogModel(const DirectoryLister& lister, const std::wstring& exeFolder, SkinChoice current);

    SkinsDialogClick click(Point p) const;

    // Opens the list (listing the skin folders again) or closes it. Returns whether it is open.
    bool toggleSkinList();
    void closeSkinList();
    bool skinListOpen() const { return listOpen_; }
    // The folder names shown while the list is open, in the order the file system gave them.
    const std::vector<std::wstring>& listedSkins() const { return listedSkins_; }

    // The user picked entry `index` of the open list. A folder that has vanished since the list was
    // filled is not taken: the previous choice stays.
    SkinSelection selectSkin(std::optional<std::size_t> index);

    // The colour confirmed in the colour chooser; a cancelled chooser changes nothing.
    void setTextColour(TextColour colour) { choice_.textColour = colour; }

    const SkinChoice& choice() const { return choice_; }

private:
    std::vector<std::wstring> skinFolders() const;

    const DirectoryLister& lister_;
    std::wstring exeFolder_;
    SkinChoice choice_;
    bool listOpen_ = false;
    std::vector<std::wstring> listedSkins_;
};

// Lines the open skin list scrolls for one wheel notch, negative upwards: -3 for a positive delta,
// 3 otherwise; 0 while no list is open.
int skinListWheelLines(int wheelDelta, bool listOpen);

// Stores a confirmed choice in str.ini: the colour as three decimal numbers, then the folder name.
// OK always writes, also when nothing was changed.
void commitSkinChoice(ProfileStore& settings, const SkinChoice& choice);
