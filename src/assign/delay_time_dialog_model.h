#pragma once

#include <string>
#include <vector>

#include "common/dialog_focus.h"
#include "common/dialog_layout.h"
#include "lang/language.h"

// The delay-time dialog of the macro editor: one delay in milliseconds, typed as digits. The dialog
// enforces no range; the editor decides what to do with the value.
inline constexpr wchar_t kDelayTimeDialogLoadFailure[] = L"DelayTime Dialog Load background image failed!!!";
inline constexpr int kDelayEditId = 600; // bordered, digits only, centred

struct DelayTimeDialogTexts {
    std::wstring prompt;
    std::wstring rangeNote;
};
DelayTimeDialogTexts delayTimeDialogTexts(const UiTexts& texts);

class DelayTimeDialogModel {
public:
    // The edit's text changed.
    void onDelayChanged(std::wstring text) { text_ = std::move(text); }

    // What OK hands back: the text as typed (empty at first) and its leading number (0 for none).
    const std::wstring& delayText() const { return text_; }
    int delayValue() const;

    // The delay field, OK and Cancel.
    static std::vector<DialogStop> keyboardOrder() {
        return withOkAndCancel({{dialog_layout::DelayTimeDelayEdit, FocusRole::Edit, kDelayEditId}});
    }

private:
    std::wstring text_;
};
