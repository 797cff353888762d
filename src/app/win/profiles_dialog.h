#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/profiles_dialog_model.h"
#include "skin/win/skinned_sub_dialog.h"
#include "ui/win/scoped_handle.h"

// The Profiles dialog's view: the lists and fields are child controls, the buttons and options are
// drawn on the skin's background; every click and choice goes to the model, whose warnings are
// shown as notices. The system file dialogs pick the files to import and export.
class CProfilesDialog : public SkinnedSubDialog {
public:
    // Control identifiers.
    static constexpr int kProfileListId = kProfilesDialogProfileListId;
    static constexpr int kNameEditId = kProfilesDialogNameEditId;
    static constexpr int kProgramListId = kProfilesDialogProgramListId;
    static constexpr int kProgramEditId = kProfilesDialogProgramEditId;
    static constexpr int kRunningListId = kProfilesDialogRunningListId;

    // `current` is the configuration in use, which "Save as new" saves.
    CProfilesDialog(DialogLook look, const UiTexts& texts, ProfileLibrary& library,
                    ProfilesDialogOptions options, std::optional<std::wstring> chosen, Profile current);

    const ProfilesDialogModel& model() const { return model_; }

protected:
    bool filterMessage(MSG& message) override;
    std::vector<DialogStop> keyboardOrder() const override { return profilesDialogKeyboardOrder(); }
    HWND openList() const override { return runningList_.get(); }
    std::wstring stopName(const DialogStop& stop) const override;
    bool stopChecked(const DialogStop& stop) const override;
    void createControls() override;
    void paintOwnContent(HDC dc) override;
    void onClick(Point p) override;
    bool isDragSpot(Point p) const override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void carryOut(ProfilesDialogCommand command);
    void showResult(const DialogResult& result);
    // The lists and the name field show the model's state again.
    void refresh();
    void toggleRunningList();
    void closeRunningList();
    void onRunningPicked();
    std::wstring textOf(HWND control) const;
    std::optional<std::size_t> listSelection(HWND list) const;
    // The path picked in the system's file dialog; nothing when it was cancelled.
    std::optional<std::wstring> pickFile(bool save, const std::wstring& suggested);

    const UiTexts& texts_;
    Profile current_;
    ProfilesDialogModel model_;
    HWND profileList_ = nullptr;
    HWND nameEdit_ = nullptr;
    HWND programList_ = nullptr;
    HWND programEdit_ = nullptr;
    UniqueWindow runningList_;
    // A list closed from inside its own notification; destroyed once that notification has returned.
    UniqueWindow retiredList_;
};

// What the dialog leaves for the main window: the folder may have changed whatever the ending; the
// options only on OK.
struct ProfilesDialogEnd {
    bool ok = false;
    ProfilesDialogOptions options;
    std::optional<std::wstring> chosen;
    std::vector<std::pair<std::wstring, std::wstring>> renames;
    bool folderChanged = false;
};

ProfilesDialogEnd runProfilesDialog(HWND owner, const DialogLook& look, const UiTexts& texts,
                                    ProfileLibrary& library, ProfilesDialogOptions options,
                                    std::optional<std::wstring> chosen, Profile current);
