#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "skin/directory_lister.h"
#include "skin/skins_dialog_model.h"
#include "skin/win/skinned_sub_dialog.h"
#include "ui/win/scoped_handle.h"

// The skins dialog: the skin folder is picked from a drop-down list of the folders under "Skins",
// the text colour from the system colour chooser behind a swatch. Nothing is applied here; after
// OK the caller takes choice().
class CSkinsDialog : public SkinnedSubDialog {
public:
    // Control identifiers.
    static constexpr int kSkinNameId = kSkinsDialogSkinNameId;
    static constexpr int kColourSwatchId = kSkinsDialogColourSwatchId;
    static constexpr int kSkinListId = 562;

    // `exeFolder` is the executable's folder with its trailing separator; the skins lie in its
    // "Skins" folder and are listed through `lister`. The dialog opens on `current`.
    CSkinsDialog(const DirectoryLister& lister, std::wstring exeFolder, DialogLook look, SkinChoice current,
                 SkinsDialogTexts texts);

    // The skin and colour chosen so far (the current ones until the user changes them).
    SkinChoice choice() const;
    // The open skin list, nullptr while it is closed.
    HWND skinList() const { return skinList_.get(); }

protected:
    bool filterMessage(MSG& message) override;
    std::vector<DialogStop> keyboardOrder() const override { return skinsDialogKeyboardOrder(); }
    HWND openList() const override { return skinList_.get(); }
    std::wstring stopName(const DialogStop& stop) const override {
        return stop.control == kColourSwatchId ? texts_.colourPrompt : SkinnedSubDialog::stopName(stop);
    }
    void createControls() override;
    void paintOwnContent(HDC dc) override;
    void onClick(Point p) override;
    bool isDragSpot(Point p) const override;
    HBRUSH controlColour(UINT message, HDC dc, HWND control) override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void toggleSkinList();
    void closeSkinList();
    void chooseColour();
    void onSkinPicked();
    void scrollSkinList(int wheelDelta);

    const DirectoryLister& lister_;
    std::wstring exeFolder_;
    SkinChoice current_;
    SkinsDialogTexts texts_;
    std::optional<SkinsDialogModel> model_;
    HWND skinName_ = nullptr;
    HWND swatch_ = nullptr;
    UniqueWindow skinList_;
    // A list closed from inside its own notification; destroyed once that notification has returned.
    UniqueWindow retiredList_;
    UniqueBrush swatchBrush_;
    UniqueBrush controlBrush_;
};

// Runs the skins dialog over the main window `owner`, opening on the skin and text colour in use.
// On OK the choice is returned, so that the caller makes it the program's, stores it and redraws
// its page with it. Nothing changes on Cancel, on the close box or when the dialog
// cannot show.
std::optional<SkinChoice> runSkinsDialog(HWND owner, const DialogLook& look, const SkinChoice& current,
                                         const SkinsDialogTexts& texts);
