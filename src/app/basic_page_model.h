#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/accessible_tree.h"
#include "app/area_handlers.h"
#include "app/hot_area.h"
#include "app/keyboard_focus.h"
#include "app/page_click_model.h"
#include "app/page_update.h"
#include "assign/assignment_group_model.h"
#include "common/item_index.h"
#include "config/app_settings.h"
#include "config/device_config_record.h"
#include "lang/language.h"
#include "settings/dpi_stages.h"
#include "settings/lighting_panel.h"

// The Basic Settings page: the assignment group (seven button lists, the key modes and Default),
// the report rate, the DPI stages and the lighting panel. It holds which of the page's drop-down
// lists are open and decides what each click changes in the record and the labels; its view
// (win/basic_page_view.h) owns the child controls and shows what the model says.
class BasicPageModel : public PageClickModel {
public:
    BasicPageModel(DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts);

    // A page build starts with every list closed.
    void reset();
    // A click at p on the page: the open lists it is not in or on close, then the page area it hits
    // acts (the table in basic_page_model.cpp). Nothing when it hits no area: the window is dragged.
    std::optional<PageUpdate> click(Point p) override;
    // The open lists p is not in or on close (a click on the frame's OK, Apply, Skins or Cancel).
    void closeListsAt(Point p) override;

    const DeviceConfigRecord& record() const { return record_; }
    bool assignmentListOpen(ButtonIndex button) const { return assignments_.openList() == button.value(); }
    bool dpiSubListOpen() const { return assignments_.dpiSubListOpen(); }
    bool lightingListOpen(uint8_t list) const;

    // What the page's areas do.
    PageUpdate selectKeyMode(uint8_t mode);
    PageUpdate restoreDefaultAssignments();
    PageUpdate toggleAssignmentList(ButtonIndex button);
    PageUpdate selectReportRate(uint8_t segment);
    PageUpdate toggleDpiStage(StageIndex stage);
    // The colour chosen for an enabled stage in the system's colour chooser.
    PageUpdate setStageColour(StageIndex stage, uint8_t red, uint8_t green, uint8_t blue);
    PageUpdate toggleLightingList(uint8_t list);
    PageUpdate setDpiStep(StageIndex stage, uint8_t position);
    // The scale of `stage` moved `step` positions from its stored step; nothing beyond
    // the ends of the sensor's scale.
    PageUpdate stepDpiStage(StageIndex stage, int step);

    // The kinds of the page's areas (the rows of its table), and their stops of the keyboard order,
    // panel by panel.
    static std::span<const AreaKind> areaKinds();
    static std::span<const FocusStop> keyboardOrder();
    // What a screen reader says of one of those stops: "Button 5: Backward", "DPI stage 2" with
    // its DPI, "Report rate 500 Hz" checked where it is the chosen rate.
    StopDescription describe(const FocusStop& stop) const;

    // Assignment group.
    // The 15 items of every function list, in the page's language.
    std::vector<std::wstring> assignmentListItems() const { return assignments_.listItems(); }
    // The pointer rests on `item` of the open list of `button` (nothing: on no item): "DPI Switch"
    // opens the DPI sub-list beside it, any other item closes it.
    void hoverAssignmentList(ButtonIndex button, std::optional<std::size_t> item);
    // `item` picked in the list of `button`: a direct function is stored at once and the box shows
    // its label; the others ask for their dialog, whose result goes to assign().
    PageUpdate chooseAssignment(ButtonIndex button, std::optional<std::size_t> item);
    // The dialog of a request ended with `choice` (nothing: cancelled): the lists close, the slot takes
    // the choice and its box shows the new label.
    PageUpdate assign(const DialogRequest& request, const std::optional<FunctionChoice>& choice);
    // Row `row` of the DPI sub-list picked: the open list's button gets that DPI switch.
    PageUpdate chooseDpiSwitch(std::optional<std::size_t> row);

    // DPI stages and lighting panel.
    // The sensor whose scale the page shows: it has 8 or 12 positions to click.
    void setSensorType(uint8_t sensorType) { sensorType_ = sensorType; }
    // Entry `entry` (0-based) chosen in lighting list `list` (0..2); nothing happens unless that list
    // is the open one.
    PageUpdate chooseLightingEntry(uint8_t list, std::size_t entry);
    // The entries of the open lighting list, in the page's language.
    std::vector<std::wstring> lightingListItems() const { return lighting_.listItems(); }

private:
    // One row per kind of area: what it is and what a click on it does.
    static const AreaHandler<BasicPageModel> kAreaHandlers[];
    PageUpdate onModeButton(const HotAreaEntry& hit);
    PageUpdate onKeyDefault(const HotAreaEntry& hit);
    PageUpdate onAssignmentHeader(const HotAreaEntry& hit);
    PageUpdate onReportRateSegment(const HotAreaEntry& hit);
    PageUpdate onStageCheckBox(const HotAreaEntry& hit);
    PageUpdate onStageSwatch(const HotAreaEntry& hit);
    PageUpdate onLightingHeader(const HotAreaEntry& hit);
    PageUpdate onDpiLevelCell(const HotAreaEntry& hit);

    DeviceConfigRecord& record_;
    AppSettings& settings_;
    const UiTexts& texts_;
    // Assignment group.
    PageUpdate assignmentBoxesUpdate(std::initializer_list<ButtonIndex> buttons, bool modeButtons) const;
    AssignmentGroupModel assignments_;
    // DPI stages and lighting panel.
    DpiStages dpiStages_;
    LightingPanel lighting_;
    uint8_t sensorType_ = 0;
};
