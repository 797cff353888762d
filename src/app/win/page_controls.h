#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "skin/win/unique_window.h"

// The child windows of the main window's two pages. Each exists only while its page is shown (the
// drop-down lists only while they are open); destroying a page's controls also forgets which of
// its lists were open.
struct PageControls {
    // Control identifiers.
    static constexpr int kDpiSubListId = 37;
    static constexpr int kFirstAssignmentListId = 41;
    static constexpr int kFirstLightingListId = 63;
    static constexpr int kFirstStageSwatchId = 71;
    static constexpr int kFirstLightingTextId = 80;
    static constexpr int kMouseEventHeaderTextId = 119;
    static constexpr int kLoopTimesEditId = 149;
    static constexpr int kMacroNameEditId = 150;
    static constexpr int kMacroListBoxId = 151;
    static constexpr int kEventListBoxId = 152;
    static constexpr int kMouseEventListId = 154;

    // Basic Settings page.
    std::array<UniqueWindow, 7> assignmentLists;
    UniqueWindow dpiSubList;
    std::array<UniqueWindow, 3> lightingLists;
    std::array<UniqueWindow, 4> stageSwatches;
    std::array<UniqueWindow, 3> lightingTexts;
    std::array<bool, 7> assignmentListOpen{};
    std::array<bool, 3> lightingListOpen{};

    // Advanced Settings page.
    UniqueWindow mouseEventHeaderText;
    UniqueWindow mouseEventList;
    UniqueWindow macroNameEdit;
    UniqueWindow loopTimesEdit;
    UniqueWindow macroListBox;
    UniqueWindow eventListBox;
    bool mouseEventListOpen = false;

    void destroyBasicPage();
    void destroyAdvancedPage();
};

// Creates a visible child control of `parent` covering (left, top)-(right, bottom), using `font`.
HWND createPageControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, RECT rect,
                       int id, HFONT font);
