#include "skin/win/skins_dialog.h"

#include <windowsx.h>

#include <cstdlib>
#include <utility>

#include "common/dialog_layout.h"
#include "config/data_paths.h"
#include "config/win/module_path.h"
#include "skin/skins_dialog_model.h"
#include "skin/win/find_file_directory_lister.h"
#include "skin/win/list_hover.h"
#include "ui/win/colour_chooser.h"
#include "ui/win/win_geometry.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kControlBackground = RGB(40, 40, 40);
// Posted to the dialog to destroy a list that closed while it was notifying its parent.
constexpr UINT kReleaseRetiredListMessage = WM_APP + 0x20;

COLORREF colorRefOf(TextColour colour) {
    return colour.colorRef();
}

} // namespace

CSkinsDialog::CSkinsDialog(const DirectoryLister& lister, std::wstring exeFolder, DialogLook look,
                           SkinChoice current, SkinsDialogTexts texts)
    : SkinnedSubDialog(SkinImage::SkinsDialog, L"Skins Dialog Load background image failed!!!",
                       std::move(look)),
      lister_(lister), exeFolder_(std::move(exeFolder)), current_(std::move(current)),
      texts_(std::move(texts)) {}

SkinChoice CSkinsDialog::choice() const {
    return model_ ? model_->choice() : current_;
}

void CSkinsDialog::createControls() {
    model_.emplace(lister_, exeFolder_, current_);
    skinName_ = createControl(L"STATIC", model_->choice().skinName.c_str(), WS_CHILD | WS_VISIBLE | SS_SUNKEN,
                              dialog_layout::SkinsSkinNameStatic, kSkinNameId);
    swatch_ = createControl(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER,
                            dialog_layout::SkinsColourSwatch, kColourSwatchId);
}

void CSkinsDialog::paintOwnContent(HDC dc) {
    // Unlike the function dialogs' white texts, the prompt keeps the UI text colour in use.
    SetTextColor(dc, colorRefOf(textColour()));
    // The English prompt is wider than its area: it wraps onto two lines, centred on the area's
    // middle, rather than losing its first and last letters.
    RECT prompt = toRect(dialog_layout::SkinsColourPrompt);
    const int length = static_cast<int>(texts_.colourPrompt.size());
    RECT measured = prompt;
    DrawTextW(dc, texts_.colourPrompt.c_str(), length, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    prompt.top += (prompt.bottom - prompt.top - height) / 2;
    prompt.bottom = prompt.top + height;
    DrawTextW(dc, texts_.colourPrompt.c_str(), length, &prompt, DT_CENTER | DT_WORDBREAK);
}

void CSkinsDialog::onClick(Point p) {
    if (!model_) {
        return;
    }
    const SkinsDialogClick click = model_->click(p);
    if (click.closeSkinList) {
        closeSkinList();
    }
    switch (click.command) {
    case SkinsDialogCommand::ToggleSkinList:
        toggleSkinList();
        break;
    case SkinsDialogCommand::ChooseColour:
        chooseColour();
        break;
    default:
        // OK, Cancel and the close box are the frame's.
        break;
    }
}

bool CSkinsDialog::isDragSpot(Point p) const {
    for (const Rect& area :
         {dialog_layout::SkinsColourSwatch, dialog_layout::SkinsSkinHeader, dialog_layout::SkinsSkinList}) {
        if (area.contains(p)) {
            return false;
        }
    }
    return true;
}

void CSkinsDialog::toggleSkinList() {
    if (!model_->toggleSkinList()) {
        skinList_.reset();
        return;
    }
    const Rect area = dialog_layout::SkinsSkinList;
    skinList_.reset(
        createControl(L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, area, kSkinListId));
    for (const std::wstring& name : model_->listedSkins()) {
        SendMessageW(skinList_.get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

void CSkinsDialog::closeSkinList() {
    model_->closeSkinList();
    skinList_.reset();
}

void CSkinsDialog::chooseColour() {
    const std::optional<COLORREF> colour = ::chooseColour(hwnd());
    if (!colour) {
        return;
    }
    model_->setTextColour({GetRValue(*colour), GetGValue(*colour), GetBValue(*colour)});
    swatchBrush_.reset();
    InvalidateRect(swatch_, nullptr, TRUE);
    UpdateWindow(swatch_);
}

void CSkinsDialog::onSkinPicked() {
    if (!skinList_) {
        return;
    }
    const LRESULT index = SendMessageW(skinList_.get(), LB_GETCURSEL, 0, 0);
    const SkinSelection selection =
        model_->selectSkin(index == LB_ERR ? std::nullopt : std::optional<std::size_t>(index));
    if (selection.showName) {
        SetWindowTextW(skinName_, model_->choice().skinName.c_str());
        InvalidateRect(skinName_, nullptr, TRUE);
    }
    if (selection.destroyList) {
        // The list is still inside its own notification: hide it now, destroy it right after.
        ShowWindow(skinList_.get(), SW_HIDE);
        retiredList_ = std::move(skinList_);
        PostMessageW(hwnd(), kReleaseRetiredListMessage, 0, 0);
    }
}

void CSkinsDialog::scrollSkinList(int wheelDelta) {
    const int lines = skinListWheelLines(wheelDelta, skinList_.valid());
    const WPARAM direction = lines < 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int line = 0; line < std::abs(lines); ++line) {
        SendMessageW(skinList_.get(), WM_VSCROLL, direction, 0);
    }
}

INT_PTR CSkinsDialog::onOtherMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kSkinListId &&
            (HIWORD(wParam) == LBN_SELCHANGE || HIWORD(wParam) == LBN_DBLCLK)) {
            onSkinPicked();
            return TRUE;
        }
        return FALSE;
    case WM_MOUSEWHEEL:
        scrollSkinList(GET_WHEEL_DELTA_WPARAM(wParam));
        return FALSE;
    case kReleaseRetiredListMessage:
        retiredList_.reset();
        return TRUE;
    default:
        return FALSE;
    }
}

HBRUSH CSkinsDialog::controlColour(UINT message, HDC dc, HWND control) {
    if (message == WM_CTLCOLORSTATIC && control == swatch_) {
        SetBkMode(dc, TRANSPARENT);
        if (!swatchBrush_) {
            swatchBrush_.reset(CreateSolidBrush(colorRefOf(choice().textColour)));
        }
        return swatchBrush_.get();
    }
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORLISTBOX) {
        return nullptr;
    }
    SetTextColor(dc, kWhite);
    SetBkMode(dc, TRANSPARENT);
    // List boxes fill item backgrounds with the background colour whatever the mode.
    SetBkColor(dc, kControlBackground);
    SelectObject(dc, font());
    if (!controlBrush_) {
        controlBrush_.reset(CreateSolidBrush(kControlBackground));
    }
    return controlBrush_.get();
}

bool CSkinsDialog::filterMessage(MSG& message) {
    if (message.message == WM_MOUSEMOVE) {
        selectListItemUnderPointer(skinList_.get());
    }
    return false;
}

std::optional<SkinChoice> runSkinsDialog(HWND owner, const DialogLook& look, const SkinChoice& current,
                                         const SkinsDialogTexts& texts) {
    const FindFileDirectoryLister lister;
    CSkinsDialog dialog(lister, exeFolder(currentModulePath()), look, current, texts);
    if (dialog.runModal(owner) != IDOK) {
        return std::nullopt;
    }
    return dialog.choice();
}
