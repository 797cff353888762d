#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/keyboard_focus.h"
#include "common/accessible_node.h"
#include "lang/language.h"

// What a screen reader learns of one stop of the main window beyond its role and place (the fields
// of AccessibleNode that the page's state decides).
struct StopDescription {
    std::wstring name;
    std::wstring value;
    bool checked = false;
    bool unavailable = false;
    bool operator==(const StopDescription&) const = default;
};

// A text of the language tables with its "{}" replaced by `number`.
std::wstring withNumber(const std::wstring& text, unsigned number);

// The frame's stops: the title bar's buttons, the page tabs (checked: the shown page), the web
// address and OK, Apply and Cancel.
StopDescription describeFrameStop(const FocusStop& stop, bool advancedShown, const UiTexts& texts);

// The main window's accessible children: its stops in keyboard order, each described by `describe`.
std::vector<AccessibleNode> accessibleNodes(const KeyboardFocus& focus,
                                            const std::function<StopDescription(const FocusStop&)>& describe,
                                            const UiTexts& texts);
