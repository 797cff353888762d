#include "assign/win/fire_key_dialog.h"

#include <windowsx.h>

#include <utility>

#include "ui/win/window_text.h"
#include "skin/win/list_hover.h"
#include "ui/win/win_geometry.h"

namespace {

void drawCentred(HDC dc, const std::wstring& text, Rect area) {
    RECT rect = toRect(area);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// Word-wrapped, the lines in the vertical middle of `area`.
void drawWrapped(HDC dc, const std::wstring& text, Rect area) {
    const int length = static_cast<int>(text.size());
    RECT rect = toRect(area);
    RECT measured = rect;
    DrawTextW(dc, text.c_str(), length, &measured, DT_WORDBREAK | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    rect.top += (rect.bottom - rect.top - height) / 2;
    rect.bottom = rect.top + height;
    DrawTextW(dc, text.c_str(), length, &rect, DT_WORDBREAK);
}

} // namespace

CFireKeyDialog::CFireKeyDialog(DialogLook look, const UiTexts& texts)
    : SkinnedSubDialog(SkinImage::FireKeyDialog, kFireKeyDialogLoadFailure, std::move(look)),
      texts_(fireKeyDialogTexts(texts)), model_(texts), choice_(model_.choice()),
      keys_(*this, model_.keyList()) {}

void CFireKeyDialog::createControls() {
    keys_.create(SS_CENTER);
    const DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER;
    speedEdit_ = createControl(L"EDIT", model_.speedText().c_str(), editStyle,
                               dialog_layout::FireKeySpeedEdit, kFireSpeedEditId);
    timesEdit_ = createControl(L"EDIT", model_.timesText().c_str(), editStyle,
                               dialog_layout::FireKeyTimesEdit, kFireTimesEditId);
}

void CFireKeyDialog::paintOwnContent(HDC dc) {
    drawCentred(dc, texts_.speedCaption, dialog_layout::FireKeySpeedCaption);
    drawCentred(dc, texts_.timesCaption, dialog_layout::FireKeyTimesCaption);
    drawWrapped(dc, texts_.speedNote, dialog_layout::FireKeySpeedNote);
    drawWrapped(dc, texts_.timesNote, dialog_layout::FireKeyTimesNote);
}

void CFireKeyDialog::onClick(Point p) {
    if (model_.click(p) != DropDownClick::None) {
        keys_.showList({speedEdit_, timesEdit_});
    }
}

bool CFireKeyDialog::isDragSpot(Point p) const {
    return !keys_.covers(p);
}

void CFireKeyDialog::showAnswer(HWND edit, const DialogAnswer<std::optional<std::wstring>>& answer) {
    choice_ = answer.choice;
    if (answer.change) {
        SetWindowTextW(edit, answer.change->c_str());
    }
    InvalidateRect(edit, nullptr, TRUE);
}

void CFireKeyDialog::onCommand(int control, int notification) {
    if (keys_.isPick(control, notification)) {
        const DialogAnswer<bool> answer = model_.chooseKey(keys_.selection());
        choice_ = answer.choice;
        if (answer.change) {
            keys_.showChoice();
            keys_.showList({speedEdit_, timesEdit_});
        }
    } else if (control == kFireSpeedEditId && notification == EN_CHANGE) {
        choice_ = model_.onSpeedChanged(windowText(speedEdit_));
        InvalidateRect(speedEdit_, nullptr, TRUE);
    } else if (control == kFireSpeedEditId && notification == EN_KILLFOCUS) {
        showAnswer(speedEdit_, model_.onSpeedFocusLost());
    } else if (control == kFireTimesEditId && notification == EN_CHANGE) {
        showAnswer(timesEdit_, model_.onTimesChanged(windowText(timesEdit_)));
    }
}

INT_PTR CFireKeyDialog::onOtherMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    case WM_MOUSEWHEEL:
        keys_.scroll(model_.wheelLines(GET_WHEEL_DELTA_WPARAM(wParam)));
        return FALSE;
    default:
        return FALSE;
    }
}

std::wstring CFireKeyDialog::stopName(const DialogStop& stop) const {
    if (stop.area == dialog_layout::FireKeySpeedEdit) {
        return texts_.speedCaption;
    }
    if (stop.area == dialog_layout::FireKeyTimesEdit) {
        return texts_.timesCaption;
    }
    if (stop.role == FocusRole::ComboBox) {
        return texts_.keyListName;
    }
    return SkinnedSubDialog::stopName(stop);
}

bool CFireKeyDialog::filterMessage(MSG& message) {
    if (message.message == WM_MOUSEMOVE) {
        selectListItemUnderPointer(keys_.list());
    }
    return false;
}
