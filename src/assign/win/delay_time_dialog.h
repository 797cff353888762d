#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "assign/delay_time_dialog_model.h"
#include "skin/win/skinned_sub_dialog.h"

// The delay-time dialog of the macro editor: one delay in milliseconds, typed as digits. Enter and
// Escape keep their dialog meaning (OK and Cancel).
class CDelayTimeDialog : public SkinnedSubDialog {
public:
    CDelayTimeDialog(DialogLook look, const UiTexts& texts);

    // The delay as typed (empty when nothing was) and its leading number (0 for none).
    const std::wstring& delayText() const { return model_.delayText(); }
    int delayValue() const { return model_.delayValue(); }

protected:
    std::vector<DialogStop> keyboardOrder() const override { return DelayTimeDialogModel::keyboardOrder(); }
    std::wstring stopName(const DialogStop& stop) const override {
        return stop.role == FocusRole::Edit ? texts_.prompt : SkinnedSubDialog::stopName(stop);
    }
    void createControls() override;
    void paintOwnContent(HDC dc) override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    DelayTimeDialogTexts texts_;
    DelayTimeDialogModel model_;
    HWND delayEdit_ = nullptr;
};

// What the delay-time dialog hands back on OK.
struct DelayTimeEntry {
    std::wstring text;
    int value = 0;
};

// Runs the delay-time dialog over `owner`; nothing when it was cancelled or closed.
std::optional<DelayTimeEntry> runDelayTimeDialog(HWND owner, const DialogLook& look, const UiTexts& texts);
