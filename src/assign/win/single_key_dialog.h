#pragma once

#include <windows.h>

#include "assign/single_key_dialog_model.h"
#include "assign/win/key_capture.h"
#include "skin/win/skinned_sub_dialog.h"

// The single-key dialog: the user presses any key, Enter, Escape and the Windows keys included, and
// the dialog shows its name. After OK the caller takes choice().
class CSingleDialog : public SkinnedSubDialog {
public:
    CSingleDialog(DialogLook look, const UiTexts& texts);

    const FunctionChoice& choice() const { return choice_; }

protected:
    // Enter, Escape and the Windows keys are held back from the dialog manager and the system, so
    // that they are captured instead of closing the dialog or opening the start menu; Alt+O and
    // Alt+C are OK and Cancel. Every other key is captured, Tab too, so the dialog has no keyboard
    // order.
    bool filterMessage(MSG& message) override;
    void createControls() override;
    void paintOwnContent(HDC dc) override;
    std::wstring accessibleTitle() const override { return prompt_; }
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onKeyCaptured();

    std::wstring prompt_;
    std::wstring shortcuts_;
    SingleKeyDialogModel model_;
    // What the model answered to the last key; OK hands it back.
    FunctionChoice choice_;
    HWND keyName_ = nullptr;
    ScopedKeyCapture capture_;
};
