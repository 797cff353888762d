#pragma once

#include <array>
#include <cstdint>

#include "app/page.h"
#include "common/geometry.h"

// What a left click on the main window makes the program do.
enum class ClickAction : uint8_t {
    None,             // the click is used up and nothing happens
    DragWindow,       // a click on no hot area: move the window with the pointer
    Ok,               // apply, then hide (see commit_plan.h)
    Apply,            // apply, window stays
    Cancel,           // back to the applied state, then hide
    OpenSkinsDialog,  // run the skins dialog
    HideWindow,       // the minimise button
    Exit,             // the close button ends the program
    ShowBasicPage,    // build the Basic Settings page
    ShowAdvancedPage, // build the Advanced Settings page
    OpenWebLink,      // open the maker's web address
    SelectKeyMode,    // first: 0 Mode A, 1 Mode B
    RestoreDefaultAssignments,
    ToggleAssignmentList, // first: button 1..7
    SelectReportRate,     // first: segment 1..4 (125, 250, 500, 1000 Hz)
    ToggleDpiStage,       // first: stage 1..4
    ChooseStageColour,    // first: stage 1..4 (only for an enabled stage)
    ToggleLightingList,   // first: 1 mode, 2 parameter, 3 effect
    SetDpiStep,           // first: stage 1..4, second: position 1..12 from the bottom
    TogglePointerPrecision,
    ToggleScrollOneScreen,
    RestorePointerDefaults,
    StartMacroRecording,
    StopMacroRecording,
    NewMacro,
    DeleteMacro,
    SaveMacro,
    ToggleMouseEventList,
    SetPointerSlider, // first: slider 1..3 (speed, scroll lines, double-click), second: value 1..11
};

// The drop-down lists a click closes before its own action runs.
struct ListsToClose {
    std::array<bool, 7> assignmentList{};
    bool dpiSubList = false;
    std::array<bool, 3> lightingList{};
    bool mouseEventList = false;

    bool any() const;
    bool operator==(const ListsToClose&) const = default;
};

// What the main window knows at the moment of a click.
struct ClickContext {
    Page activePage = Page::None;
    bool deviceConnected = false;
    std::array<bool, 7> assignmentListOpen{};
    bool dpiSubListExists = false;
    std::array<bool, 3> lightingListOpen{};
    bool mouseEventListOpen = false;
    std::array<bool, 4> dpiStageEnabled{}; // from the configuration record
};

struct ClickDecision {
    ClickAction action = ClickAction::None;
    uint8_t first = 0;
    uint8_t second = 0;
    ListsToClose closeLists;

    bool operator==(const ClickDecision&) const = default;
};

// Decides what a left click at p does. The frame's buttons come first (OK, Apply, Skins, Minimise,
// Close, the page buttons, Cancel, the web link), then the shown page: open lists the click is not
// in or on are closed, then the first page area containing p acts. A click on no hot area drags the
// window. A click on a button never drags: after OK or Cancel hid the window, or after the skins
// dialog ended, a drag would make the window follow the pointer with no button held.
ClickDecision dispatchClick(const ClickContext& context, Point p);
