#pragma once

#include <windows.h>

#include "assign/combo_key_dialog_model.h"
#include "assign/win/drop_down_controls.h"
#include "assign/win/key_capture.h"
#include "skin/win/skinned_sub_dialog.h"

// The combo-key dialog: a modifier from a drop-down list and two keys, each captured into its edit
// while that edit has the focus. After OK the caller takes choice().
class CComboDialog : public SkinnedSubDialog {
public:
    CComboDialog(DialogLook look, const UiTexts& texts);

    const FunctionChoice& choice() const { return choice_; }

protected:
    // Enter and Escape are held back from the dialog manager so that they can be captured, Alt+O
    // and Alt+C are OK and Cancel; the pointer over the open list selects the item under it.
    bool filterMessage(MSG& message) override;
    std::vector<DialogStop> keyboardOrder() const override { return model_.keyboardOrder(); }
    // The key fields capture every key, Tab too.
    bool capturesKeys(HWND focus) const override { return focus == firstKeyEdit_ || focus == secondKeyEdit_; }
    HWND openList() const override { return modifiers_.list(); }
    std::wstring stopName(const DialogStop& stop) const override;
    void createControls() override;
    void paintOwnContent(HDC dc) override;
    void onClick(Point p) override;
    bool isDragSpot(Point p) const override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onModifierPicked();
    void onKeyCaptured();

    // How Alt+O and Alt+C complete and cancel the dialog, and the names of its stops.
    ComboKeyDialogTexts texts_;
    // In keyboard use each key field takes one key and hands the focus on.
    OneKeyField oneKey_;
    ComboKeyDialogModel model_;
    // What the model answered to the last modifier or key; OK hands it back.
    FunctionChoice choice_;
    DropDownControls modifiers_;
    HWND firstKeyEdit_ = nullptr;
    HWND secondKeyEdit_ = nullptr;
    ScopedKeyCapture capture_;
};
