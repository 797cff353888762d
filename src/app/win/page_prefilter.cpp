#include <windows.h>

#include "app/win/gorvik_dlg.h"
#include "app/win/resource_ids.h"
#include "skin/win/list_hover.h"

bool CGorvikDlg::preTranslatePageMessage(const MSG& message) {
    const Page page = state_.pages.activePage;
    if (message.message == WM_MOUSEMOVE && page == Page::Basic) {
        // The item under the pointer of an open drop-down list is selected as the pointer moves.
        for (const UniqueWindow& list : controls_.assignmentLists) {
            selectListItemUnderPointer(list.get());
        }
        selectListItemUnderPointer(controls_.dpiSubList.get());
        for (const UniqueWindow& list : controls_.lightingLists) {
            selectListItemUnderPointer(list.get());
        }
    } else if (message.message == WM_MOUSEMOVE && page == Page::Advanced) {
        selectListItemUnderPointer(controls_.mouseEventList.get());
        selectListItemUnderPointer(controls_.eventListBox.get());
    } else if (message.message == WM_RBUTTONDOWN && page == Page::Advanced && controls_.eventListBox) {
        POINT cursor{};
        GetCursorPos(&cursor);
        if (WindowFromPoint(cursor) == controls_.eventListBox.get()) {
            showEventListMenu();
        }
    }
    // The message goes on to its window either way.
    return false;
}

void CGorvikDlg::showEventListMenu() {
    UniqueMenu menu(LoadMenuW(instance_, MAKEINTRESOURCEW(IDR_MACRO_LIST_MENU)));
    const HMENU popup = menu ? GetSubMenu(menu.get(), 0) : nullptr;
    if (popup == nullptr) {
        return;
    }
    ModifyMenuW(popup, ID_MACROLIST_DELETE, MF_BYCOMMAND | MF_STRING, ID_MACROLIST_DELETE,
                texts_[TextKey::Delete].c_str());
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, hwnd(), nullptr);
}

void CGorvikDlg::deleteEventLine() {
    const HWND list = controls_.eventListBox.get();
    if (list == nullptr) {
        return;
    }
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) {
        SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    }
}
