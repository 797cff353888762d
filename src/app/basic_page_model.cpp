#include "app/basic_page_model.h"

#include "app/hot_area.h"
#include "app/page_paint.h"
#include "settings/report_rate.h"

namespace {

constexpr uint8_t kLightingListCount = 3;

bool isLightingList(uint8_t list) {
    return list >= 1 && list <= kLightingListCount;
}

// What the view does after a lighting panel operation: the field texts are controls; the lists
// follow lightingListOpen().
PageUpdate lightingUpdate(const LightingPanelChange& change) {
    PageUpdate update;
    update.refreshControls = change.fieldsChanged;
    return update;
}

} // namespace

BasicPageModel::BasicPageModel(DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts)
    : record_(record), settings_(settings), texts_(texts), dpiStages_(record), lighting_(record, texts) {}

void BasicPageModel::reset() {
    assignmentListOpen_ = {};
    dpiSubListOpen_ = false;
    lighting_.closeList();
}

void BasicPageModel::describe(ClickContext& context) const {
    context.assignmentListOpen = assignmentListOpen_;
    context.dpiSubListExists = dpiSubListOpen_;
    for (uint8_t list = 1; list <= kLightingListCount; ++list) {
        context.lightingListOpen[list - 1u] = lightingListOpen(list);
    }
    for (std::size_t stage = 0; stage < context.dpiStageEnabled.size(); ++stage) {
        context.dpiStageEnabled[stage] = record_.dpiStageEnabled[stage] != 0;
    }
}

void BasicPageModel::closeLists(const ListsToClose& lists) {
    for (std::size_t button = 0; button < assignmentListOpen_.size(); ++button) {
        assignmentListOpen_[button] = assignmentListOpen_[button] && !lists.assignmentList[button];
    }
    dpiSubListOpen_ = dpiSubListOpen_ && !lists.dpiSubList;
    const std::optional<LightingField> open = lighting_.openList();
    if (open && lists.lightingList[static_cast<std::size_t>(*open) - 1u]) {
        lighting_.closeList();
    }
}

bool BasicPageModel::lightingListOpen(uint8_t list) const {
    return isLightingList(list) && lighting_.openList() == static_cast<LightingField>(list);
}

PageUpdate BasicPageModel::selectReportRate(uint8_t segment) {
    PageUpdate update;
    const std::optional<ReportRateChange> change = ::selectReportRate(record_, segment);
    if (!change) {
        return update;
    }
    if (change->unlitSegment != 0) {
        update.redraw.emplace_back(std::in_place_type<ImageElement>, SkinImage::ReportRateDark,
                                   hotAreaRect(HotArea::ReportRateSegment, change->unlitSegment).topLeft());
    }
    update.redraw.emplace_back(std::in_place_type<ImageElement>, SkinImage::ReportRateLight,
                               hotAreaRect(HotArea::ReportRateSegment, change->litSegment).topLeft());
    return update;
}

PageUpdate BasicPageModel::setStageColour(uint8_t stage, uint8_t red, uint8_t green, uint8_t blue) {
    PageUpdate update;
    update.refreshControls = dpiStages_.setColour(stage, {red, green, blue});
    return update;
}

// The assignment group, the DPI scales and stage boxes and the lighting panel take their clicks
// here; what each changes comes with those groups. Until then a click on them is taken (it does
// not move the window) and changes nothing.
PageUpdate BasicPageModel::selectKeyMode(uint8_t) {
    return {};
}

PageUpdate BasicPageModel::restoreDefaultAssignments() {
    return {};
}

PageUpdate BasicPageModel::toggleAssignmentList(uint8_t) {
    return {};
}

// A stage switched on lights its scale up to its stored step, one switched off goes dark; the only
// stage that is on stays on.
PageUpdate BasicPageModel::toggleDpiStage(uint8_t stage) {
    PageUpdate update;
    if (dpiStages_.toggleStage(stage)) {
        update.redraw = dpiStageColumnPaint(stage, dpiStages_.column(stage, sensorType_));
    }
    return update;
}

// Positions above an 8-position sensor's scale are not drawn and have no DPI value: a click there
// is ignored.
PageUpdate BasicPageModel::setDpiStep(uint8_t stage, uint8_t position) {
    PageUpdate update;
    if (const std::optional<DpiStageColumn> column = dpiStages_.setStep(stage, position, sensorType_)) {
        update.redraw = dpiStageColumnPaint(stage, *column);
    }
    return update;
}

PageUpdate BasicPageModel::toggleLightingList(uint8_t list) {
    if (!isLightingList(list)) {
        return {};
    }
    return lightingUpdate(lighting_.toggleList(static_cast<LightingField>(list)));
}

PageUpdate BasicPageModel::chooseLightingEntry(uint8_t list, std::size_t entry) {
    if (!lightingListOpen(list)) {
        return {};
    }
    return lightingUpdate(lighting_.choose(entry));
}
