#pragma once

#include <windows.h>

#include "assign/consumer_key_dialog_model.h"
#include "assign/win/drop_down_controls.h"
#include "skin/win/skinned_sub_dialog.h"

// The multimedia and the Windows-function dialogs: one item from a drop-down list of consumer keys.
// The background image carries their labels. After OK the caller takes choice().
class ConsumerKeyDialogView : public SkinnedSubDialog {
public:
    const FunctionChoice& choice() const { return choice_; }

protected:
    // The pointer over the open list selects the item under it.
    bool filterMessage(MSG& message) override;
    std::vector<DialogStop> keyboardOrder() const override { return model_.keyboardOrder(); }
    HWND openList() const override { return list_.list(); }
    std::wstring stopName(const DialogStop& stop) const override {
        return stop.role == FocusRole::ComboBox ? listName_ : SkinnedSubDialog::stopName(stop);
    }
    ConsumerKeyDialogView(ConsumerKeyDialog dialog, DialogLook look, const UiTexts& texts);

    void createControls() override;
    void onClick(Point p) override;
    bool isDragSpot(Point p) const override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ConsumerKeyDialogModel model_;
    // What the model answered to the last pick; OK hands it back.
    FunctionChoice choice_;
    DropDownControls list_;
    std::wstring listName_;
};

class CMediaDialog : public ConsumerKeyDialogView {
public:
    CMediaDialog(DialogLook look, const UiTexts& texts);
};

class CWindowsDialog : public ConsumerKeyDialogView {
public:
    CWindowsDialog(DialogLook look, const UiTexts& texts);
};
