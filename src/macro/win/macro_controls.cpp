#include "macro/win/macro_controls.h"

#include "ui/win/window_text.h"

std::vector<std::wstring> listItems(HWND list) {
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        std::wstring text(length > 0 ? static_cast<std::size_t>(length) : 0, L'\0');
        if (length > 0) {
            // LB_GETTEXT writes the terminating zero too: the string's own one takes it.
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        }
        items.push_back(std::move(text));
    }
    return items;
}

void showListItems(HWND list, const std::vector<std::wstring>& items, std::optional<std::size_t> selected) {
    if (list == nullptr) {
        return;
    }
    if (listItems(list) != items) {
        const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (const std::wstring& item : items) {
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
    if (listSelection(list) != selected) {
        SendMessageW(list, LB_SETCURSEL, selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1),
                     0);
    }
}

std::optional<std::size_t> listSelection(HWND list) {
    if (list == nullptr) {
        return std::nullopt;
    }
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(selected));
}

void showEditText(HWND edit, const std::wstring& text) {
    if (edit == nullptr || windowText(edit) == text) {
        return;
    }
    SetWindowTextW(edit, text.c_str());
    const auto end = static_cast<WPARAM>(text.size());
    SendMessageW(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
}
