#pragma once

#include <windows.h>

#include <optional>

#include "assign/function_choice.h"
#include "assign/win/drop_down_controls.h"
#include "lang/language.h"
#include "macro/macro_key_dialog_model.h"
#include "macro/macro_store.h"
#include "skin/win/skinned_sub_dialog.h"

// The macro-key dialog: one of the macros of record.ini for a button, and how it repeats. The
// chosen name shows in a sunken static; a click on it opens the macro list under it. Three tick
// boxes choose the repeat mode. After OK the caller takes choice().
class CMacroDialog : public SkinnedSubDialog {
public:
    CMacroDialog(MacroStore& macros, DialogLook look, const UiTexts& texts);

    const FunctionChoice& choice() const { return choice_; }
    // The open macro list, nullptr while it is closed.
    HWND macroList() const { return list_.list(); }

protected:
    // The pointer over the open list selects the item under it.
    bool filterMessage(MSG& message) override;
    std::vector<DialogStop> keyboardOrder() const override { return model_.keyboardOrder(); }
    HWND openList() const override { return list_.list(); }
    std::wstring stopName(const DialogStop& stop) const override;
    bool stopChecked(const DialogStop& stop) const override;
    void createControls() override;
    void paintOwnContent(HDC dc) override;
    void onClick(Point p) override;
    bool isDragSpot(Point p) const override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void drawOptionText(HDC dc, int mode);
    void drawTickBox(HDC dc, int mode);

    MacroKeyDialogModel model_;
    // What the model answered to the last macro or repeat mode; OK hands it back.
    FunctionChoice choice_;
    const UiTexts& texts_;
    DropDownControls list_;
    // The repeat options' font where the dialog's font makes a language's texts too tall.
    UniqueFont optionFont_;
};

// Runs the macro-key dialog over `owner` with the macros of the record.ini beside the executable.
// The choice on OK; nothing on Cancel, on the close box or when the dialog cannot show.
std::optional<FunctionChoice> runMacroDialog(HWND owner, const DialogLook& look, const UiTexts& texts);
