#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Showing the macro editor's state in the standard controls of the macro group. Each function
// changes its control only where it differs from the state, so a list keeps its scroll position
// and an edit its caret while nothing changed.

// Fills `list` with `items` when they differ from what it holds, keeping the first visible line,
// then selects `selected` (nothing: no selection), which scrolls it into view.
void showListItems(HWND list, const std::vector<std::wstring>& items, std::optional<std::size_t> selected);

// The items a list box holds, in order.
std::vector<std::wstring> listItems(HWND list);

// The selected item of a list box; nothing without a selection.
std::optional<std::size_t> listSelection(HWND list);

// Sets an edit's text when it differs, the caret after its last character.
void showEditText(HWND edit, const std::wstring& text);
