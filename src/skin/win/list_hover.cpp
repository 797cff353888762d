#include "skin/win/list_hover.h"

void selectListItemUnderPointer(HWND list) {
    if (list == nullptr) {
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) != list) {
        return;
    }
    ScreenToClient(list, &cursor);
    const LRESULT item = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(cursor.x, cursor.y));
    // The high word is set when the point lies outside every item.
    if (HIWORD(item) == 0) {
        SendMessageW(list, LB_SETCURSEL, LOWORD(item), 0);
    }
}
