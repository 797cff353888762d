#pragma once

#include <windows.h>

#include "assign/fire_key_dialog_model.h"
#include "assign/win/drop_down_controls.h"
#include "skin/win/skinned_sub_dialog.h"

// The fire-key dialog: a key or mouse button from a drop-down list, the speed it repeats at and how
// many times. After OK the caller takes choice().
class CFireKeyDialog : public SkinnedSubDialog {
public:
    CFireKeyDialog(DialogLook look, const UiTexts& texts);

    const FunctionChoice& choice() const { return choice_; }

protected:
    // The pointer over the open list selects the item under it.
    bool filterMessage(MSG& message) override;
    std::vector<DialogStop> keyboardOrder() const override { return model_.keyboardOrder(); }
    HWND openList() const override { return keys_.list(); }
    std::wstring stopName(const DialogStop& stop) const override;
    void createControls() override;
    void paintOwnContent(HDC dc) override;
    void onClick(Point p) override;
    bool isDragSpot(Point p) const override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onCommand(int control, int notification);
    // Keeps the answer's choice and shows its replacement text, if any, in `edit`.
    void showAnswer(HWND edit, const DialogAnswer<std::optional<std::wstring>>& answer);

    FireKeyDialogTexts texts_;
    FireKeyDialogModel model_;
    // What the model answered to the last key, speed or times; OK hands it back.
    FunctionChoice choice_;
    DropDownControls keys_;
    HWND speedEdit_ = nullptr;
    HWND timesEdit_ = nullptr;
};
