#include "app/basic_page_model.h"

#include "app/hot_area.h"
#include "settings/report_rate.h"

BasicPageModel::BasicPageModel(DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts)
    : record_(record), settings_(settings), texts_(texts) {}

void BasicPageModel::reset() {
    assignmentListOpen_ = {};
    dpiSubListOpen_ = false;
    lightingListOpen_ = {};
}

void BasicPageModel::describe(ClickContext& context) const {
    context.assignmentListOpen = assignmentListOpen_;
    context.dpiSubListExists = dpiSubListOpen_;
    context.lightingListOpen = lightingListOpen_;
    for (std::size_t stage = 0; stage < context.dpiStageEnabled.size(); ++stage) {
        context.dpiStageEnabled[stage] = record_.dpiStageEnabled[stage] != 0;
    }
}

void BasicPageModel::closeLists(const ListsToClose& lists) {
    for (std::size_t button = 0; button < assignmentListOpen_.size(); ++button) {
        assignmentListOpen_[button] = assignmentListOpen_[button] && !lists.assignmentList[button];
    }
    dpiSubListOpen_ = dpiSubListOpen_ && !lists.dpiSubList;
    for (std::size_t list = 0; list < lightingListOpen_.size(); ++list) {
        lightingListOpen_[list] = lightingListOpen_[list] && !lists.lightingList[list];
    }
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
    if (stage < 1 || stage > kDpiStageCount) {
        return {};
    }
    StageColor& colour = record_.stageColor[stage - 1u];
    colour.red = red;
    colour.blue = blue;
    colour.green = green;
    PageUpdate update;
    update.refreshControls = true;
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

PageUpdate BasicPageModel::toggleDpiStage(uint8_t) {
    return {};
}

PageUpdate BasicPageModel::toggleLightingList(uint8_t) {
    return {};
}

PageUpdate BasicPageModel::setDpiStep(uint8_t, uint8_t) {
    return {};
}
