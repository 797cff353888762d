#pragma once

// Identifiers of the main window's child controls. The list notifications reach the pages by them,
// and the tests and the test driver find the controls by them.
namespace page_control_id {

// Basic Settings page.
inline constexpr int kDpiSubList = 37;
inline constexpr int kFirstAssignmentList = 41; // 41..47 for buttons 0..6
inline constexpr int kLastAssignmentList = 47;
inline constexpr int kFirstLightingList = 63; // 63..65: mode, parameter, effect
inline constexpr int kLastLightingList = 65;
inline constexpr int kFirstStageSwatch = 71; // 71..74 for stages 0..3
inline constexpr int kLastStageSwatch = 74;
inline constexpr int kFirstLightingText = 80; // 80..82: mode, parameter, effect
inline constexpr int kLastLightingText = 82;

// Advanced Settings page.
inline constexpr int kMouseEventHeaderText = 119;
inline constexpr int kLoopTimesEdit = 149;
inline constexpr int kMacroNameEdit = 150;
inline constexpr int kMacroListBox = 151;
inline constexpr int kEventListBox = 152;
inline constexpr int kMouseEventList = 154;

} // namespace page_control_id
