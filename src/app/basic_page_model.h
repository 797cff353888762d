#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/click_dispatch.h"
#include "app/page_update.h"
#include "config/app_settings.h"
#include "config/device_config_record.h"
#include "lang/language.h"
#include "settings/dpi_stages.h"
#include "settings/lighting_panel.h"

// The Basic Settings page: the assignment group (seven button lists, the key modes and Default),
// the report rate, the DPI stages and the lighting panel. It holds which of the page's drop-down
// lists are open and decides what each click changes in the record and the labels; its view
// (win/basic_page_view.h) owns the child controls and shows what the model says.
class BasicPageModel {
public:
    BasicPageModel(DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts);

    // A page build starts with every list closed.
    void reset();
    // The page's part of what a click must know: its open lists and the stages that are on.
    void describe(ClickContext& context) const;
    void closeLists(const ListsToClose& lists);

    const DeviceConfigRecord& record() const { return record_; }
    bool assignmentListOpen(uint8_t button) const { return assignmentListOpen_[button - 1u]; }
    bool dpiSubListOpen() const { return dpiSubListOpen_; }
    bool lightingListOpen(uint8_t list) const;

    // The page's entry points, one per click action of the page (see ClickAction).
    PageUpdate selectKeyMode(uint8_t mode);
    PageUpdate restoreDefaultAssignments();
    PageUpdate toggleAssignmentList(uint8_t button);
    PageUpdate selectReportRate(uint8_t segment);
    PageUpdate toggleDpiStage(uint8_t stage);
    // The colour chosen for an enabled stage in the system's colour chooser.
    PageUpdate setStageColour(uint8_t stage, uint8_t red, uint8_t green, uint8_t blue);
    PageUpdate toggleLightingList(uint8_t list);
    PageUpdate setDpiStep(uint8_t stage, uint8_t position);

    // DPI stages and lighting panel.
    // The sensor whose scale the page shows: it has 8 or 12 positions to click.
    void setSensorType(uint8_t sensorType) { sensorType_ = sensorType; }
    // Entry `entry` (0-based) chosen in lighting list `list` (1..3); nothing happens unless that list
    // is the open one.
    PageUpdate chooseLightingEntry(uint8_t list, std::size_t entry);
    // The entries of the open lighting list, in the page's language.
    std::vector<std::wstring> lightingListItems() const { return lighting_.listItems(); }

private:
    DeviceConfigRecord& record_;
    AppSettings& settings_;
    const UiTexts& texts_;
    std::array<bool, 7> assignmentListOpen_{};
    bool dpiSubListOpen_ = false;
    // DPI stages and lighting panel.
    DpiStages dpiStages_;
    LightingPanel lighting_;
    uint8_t sensorType_ = 0;
};
