#include "app/win/list_keys.h"

ListKey keyOnList(HWND list, UINT virtualKey) {
    if (list == nullptr || !IsWindowVisible(list)) {
        return ListKey::None;
    }
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (virtualKey == VK_SPACE) {
        return selected == LB_ERR ? ListKey::None : ListKey::Choose;
    }
    if (virtualKey != VK_UP && virtualKey != VK_DOWN) {
        return ListKey::None;
    }
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    LRESULT next = selected == LB_ERR ? 0 : selected + (virtualKey == VK_DOWN ? 1 : -1);
    next = next < 0 ? 0 : next >= count ? count - 1 : next;
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
    return ListKey::Moved;
}
