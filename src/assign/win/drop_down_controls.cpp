#include "assign/win/drop_down_controls.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "ui/win/fonts.h"
#include "ui/win/scoped_handle.h"

namespace {

// Room the static's sunken edge and the list box's border and item margin take beside a text.
constexpr int kDisplayMargin = 6;
constexpr int kListMargin = 8;

int textWidth(HWND window, HFONT font, const std::wstring& text) {
    const WindowDc dc(window);
    const ScopedSelect selected(dc.get(), font);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

} // namespace

void DropDownControls::create(DWORD textStyle) {
    const DropDownLayout& layout = model_.layout();
    display_ = dialog_.createControl(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_SUNKEN | textStyle,
                                     layout.display, layout.displayId);
    showChoice();
}

void DropDownControls::showList(std::initializer_list<HWND> edits) {
    if (model_.open() == list_.valid()) {
        return;
    }
    for (const HWND edit : edits) {
        EnableWindow(edit, model_.open() ? FALSE : TRUE);
    }
    if (!model_.open()) {
        ShowWindow(list_.get(), SW_HIDE);
        // A list box closes itself on WM_CLOSE; one still waiting goes with the dialog.
        PostMessageW(list_.release(), WM_CLOSE, 0, 0);
        return;
    }
    SetFocus(dialog_.hwnd());
    Rect area = model_.layout().list;
    int widest = 0;
    for (const std::wstring& item : model_.items()) {
        widest = std::max(widest, textWidth(dialog_.hwnd(), dialog_.font(), item));
    }
    area.right = std::max(area.right, area.left + widest + kListMargin);
    // The list keeps its height: shrunk to whole lines of the system font it is created with, it would
    // lose the last items once it takes the dialog font.
    list_.reset(dialog_.createControl(L"LISTBOX", L"",
                                      WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                      area, model_.layout().listId));
    for (const std::wstring& item : model_.items()) {
        SendMessageW(list_.get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

void DropDownControls::showChoice() {
    if (display_ == nullptr) {
        return;
    }
    const HFONT dialogFont = dialog_.font();
    const SIZE room{model_.layout().display.width() - kDisplayMargin, LONG_MAX};
    UniqueFont fitted = fontFitting(display_, dialogFont, {model_.text()}, room, DT_SINGLELINE | DT_NOPREFIX,
                                    FontShrink::InProportion);
    SendMessageW(display_, WM_SETFONT, reinterpret_cast<WPARAM>(fitted ? fitted.get() : dialogFont), FALSE);
    // The font the display used until now goes only after it took the new one.
    displayFont_ = std::move(fitted);
    SetWindowTextW(display_, model_.text().c_str());
    InvalidateRect(display_, nullptr, TRUE);
}

std::optional<std::size_t> DropDownControls::selection() const {
    if (!list_) {
        return std::nullopt;
    }
    const LRESULT row = SendMessageW(list_.get(), LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row));
}

bool DropDownControls::isPick(int control, int notification) const {
    return control == model_.layout().listId && (notification == LBN_SELCHANGE || notification == LBN_DBLCLK);
}

bool DropDownControls::covers(Point p) const {
    const DropDownLayout& layout = model_.layout();
    return layout.clickArea.contains(p) || (model_.open() && layout.list.contains(p));
}

void DropDownControls::scroll(int lines) const {
    const WPARAM direction = lines < 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int line = 0; line < std::abs(lines); ++line) {
        SendMessageW(list_.get(), WM_VSCROLL, direction, 0);
    }
}
