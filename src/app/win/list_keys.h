#pragma once

#include <windows.h>

// What a key does to an open drop-down list of a page.
enum class ListKey {
    None,   // the key means nothing to the list
    Moved,  // Up or Down moved the selection, without a notification: nothing is chosen yet
    Choose, // Space: the selected item is chosen, as a click on it would choose it
};

// Up and Down move the selection of `list` by one item, within its ends (the first Down of a list
// without selection selects its first item); Space asks for the selected item to be chosen.
ListKey keyOnList(HWND list, UINT virtualKey);
