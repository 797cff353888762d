#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/geometry.h"

// What an element of a skinned window is to someone moving through it with the keyboard, and to a
// screen reader: its role.
enum class FocusRole : uint8_t {
    Button,      // Space acts as a click
    CheckBox,    // Space flips it
    RadioButton, // one of a row of choices; Space chooses it
    ComboBox,    // Space opens or closes its list
    Slider,      // a scale: the arrow keys move its position, Space does nothing
    PageTab,     // shows its page
    Link,        // opens the maker's web address
    Text,        // a text the window shows, which takes no keys
    Edit,        // a field the user types in; it takes the keys while it has the focus
    List,        // a list of choices; it takes the arrows while it has the focus
};

// One accessible child of a skinned window as a screen reader sees it: its role and name in the UI
// language, its value (a scale's position, a list's choice; empty where there is none), whether it
// is checked (a ticked box, the chosen rate or key mode, the shown page), unavailable or has the
// keyboard focus, its rectangle in client pixels and its default action (empty for a scale, which
// only the arrow keys move).
struct AccessibleNode {
    FocusRole role = FocusRole::Button;
    std::wstring name;
    std::wstring value;
    Rect rect;
    bool checked = false;
    bool unavailable = false;
    bool focused = false;
    std::wstring defaultAction;
    bool operator==(const AccessibleNode&) const = default;
};

// What changed for a screen reader between two pictures of a window's children.
struct AccessibleChange {
    enum class Kind : uint8_t {
        Children, // other children: the window's list of children is read again
        Focus,    // `child` took the keyboard focus
        State,    // `child` was checked, unchecked, made available or unavailable
        Value,    // `child`'s value or name changed
    };
    Kind kind = Kind::Children;
    std::size_t child = 0;
    bool operator==(const AccessibleChange&) const = default;
};

// The changes from `before` to `after`, in the order the events are sent: the children first, then
// states and values, the focus last so that a reader speaks the focused child as it is now.
std::vector<AccessibleChange> accessibleChanges(const std::vector<AccessibleNode>& before,
                                                const std::vector<AccessibleNode>& after);
