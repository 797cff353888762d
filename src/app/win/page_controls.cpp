#include "app/win/page_controls.h"

void PageControls::destroyBasicPage() {
    for (UniqueWindow& list : assignmentLists) {
        list.reset();
    }
    dpiSubList.reset();
    for (UniqueWindow& list : lightingLists) {
        list.reset();
    }
    for (UniqueWindow& swatch : stageSwatches) {
        swatch.reset();
    }
    for (UniqueWindow& text : lightingTexts) {
        text.reset();
    }
    assignmentListOpen = {};
    lightingListOpen = {};
}

void PageControls::destroyAdvancedPage() {
    mouseEventHeaderText.reset();
    mouseEventList.reset();
    macroNameEdit.reset();
    loopTimesEdit.reset();
    macroListBox.reset();
    eventListBox.reset();
    mouseEventListOpen = false;
}

HWND createPageControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, RECT rect,
                       int id, HFONT font) {
    const HWND control = CreateWindowExW(
        0, windowClass, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (control != nullptr && font != nullptr) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return control;
}
