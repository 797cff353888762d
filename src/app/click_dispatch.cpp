#include "app/click_dispatch.h"

#include <algorithm>
#include <optional>

#include "app/hot_area.h"

namespace {

ClickDecision act(ClickAction action, uint8_t first = 0, uint8_t second = 0) {
    ClickDecision decision;
    decision.action = action;
    decision.first = first;
    decision.second = second;
    return decision;
}

bool inArea(HotArea area, uint8_t index, Point p) {
    return hotAreaRect(area, index).contains(p);
}

ListsToClose basicListsToClose(const ClickContext& context, Point p) {
    ListsToClose close;
    for (uint8_t button = 1; button <= 7; ++button) {
        if (inArea(HotArea::AssignmentList, button, p) || inArea(HotArea::AssignmentHeader, button, p)) {
            continue;
        }
        close.assignmentList[button - 1] = context.assignmentListOpen[button - 1];
        close.dpiSubList = close.dpiSubList || context.dpiSubListExists;
    }
    for (uint8_t list = 1; list <= 3; ++list) {
        const bool onList =
            inArea(HotArea::LightingList, list, p) || inArea(HotArea::LightingHeader, list, p);
        close.lightingList[list - 1] = context.lightingListOpen[list - 1] && !onList;
    }
    return close;
}

ListsToClose advancedListsToClose(const ClickContext& context, Point p) {
    ListsToClose close;
    const bool onList = inArea(HotArea::MouseEventList, 0, p) || inArea(HotArea::MouseEventHeader, 0, p);
    close.mouseEventList = context.mouseEventListOpen && !onList;
    return close;
}

ListsToClose pageListsToClose(const ClickContext& context, Point p) {
    switch (context.activePage) {
    case Page::Basic:
        return basicListsToClose(context, p);
    case Page::Advanced:
        return advancedListsToClose(context, p);
    case Page::None:
        break;
    }
    return {};
}

ClickDecision pageAreaAction(const ClickContext& context, const HotAreaEntry& hit) {
    const uint8_t i = hit.index;
    switch (hit.area) {
    case HotArea::ModeA:
        return act(ClickAction::SelectKeyMode, 0);
    case HotArea::ModeB:
        return act(ClickAction::SelectKeyMode, 1);
    case HotArea::KeyDefault:
        return act(ClickAction::RestoreDefaultAssignments);
    case HotArea::AssignmentHeader:
        return act(ClickAction::ToggleAssignmentList, i);
    case HotArea::ReportRateSegment:
        return act(ClickAction::SelectReportRate, i);
    case HotArea::DpiStageCheckBox:
        return act(ClickAction::ToggleDpiStage, i);
    case HotArea::DpiColourSwatch:
        // The colour of a stage that is off cannot be chosen.
        return context.dpiStageEnabled[i - 1] ? act(ClickAction::ChooseStageColour, i)
                                              : act(ClickAction::None);
    case HotArea::LightingHeader:
        return act(ClickAction::ToggleLightingList, i);
    case HotArea::DpiLevelCell:
        return act(ClickAction::SetDpiStep, i, hit.subIndex);
    case HotArea::PrecisionCheckBox:
        return act(ClickAction::TogglePointerPrecision);
    case HotArea::OneScreenCheckBox:
        return act(ClickAction::ToggleScrollOneScreen);
    case HotArea::PointerDefault:
        return act(ClickAction::RestorePointerDefaults);
    case HotArea::RecordStart:
        return act(ClickAction::StartMacroRecording);
    case HotArea::RecordStop:
        return act(ClickAction::StopMacroRecording);
    case HotArea::NewMacro:
        return act(ClickAction::NewMacro);
    case HotArea::DeleteMacro:
        return act(ClickAction::DeleteMacro);
    case HotArea::ConfirmMacro:
        return act(ClickAction::SaveMacro);
    case HotArea::MouseEventHeader:
        return act(ClickAction::ToggleMouseEventList);
    case HotArea::PointerSliderSegment:
        return act(ClickAction::SetPointerSlider, i, hit.subIndex);
    default:
        break;
    }
    return act(ClickAction::DragWindow);
}

std::optional<HotAreaEntry> pageTargetAt(Page page, Point p) {
    switch (page) {
    case Page::Basic:
        return clickTargetAt(basicPageAreas(), p);
    case Page::Advanced:
        return clickTargetAt(advancedPageAreas(), p);
    case Page::None:
        break;
    }
    return std::nullopt;
}

// The frame's buttons. Those that hide the window or change the page stop here; OK, Apply, Skins
// and Cancel also close the page's open lists, as any click elsewhere does.
std::optional<ClickDecision> frameDecision(const ClickContext& context, Point p) {
    const std::optional<HotAreaEntry> hit = clickTargetAt(commonFrameAreas(), p);
    if (!hit) {
        return std::nullopt;
    }
    switch (hit->area) {
    case HotArea::Minimise:
        return act(ClickAction::HideWindow);
    case HotArea::Close:
        return act(ClickAction::Exit);
    case HotArea::BasicPageButton:
        return act(context.activePage == Page::Basic ? ClickAction::None : ClickAction::ShowBasicPage);
    case HotArea::AdvancedPageButton:
        return act(context.activePage == Page::Advanced ? ClickAction::None : ClickAction::ShowAdvancedPage);
    case HotArea::WebLink:
        return act(ClickAction::OpenWebLink);
    default:
        break;
    }
    ClickDecision decision;
    decision.closeLists = pageListsToClose(context, p);
    switch (hit->area) {
    case HotArea::Ok:
        // Nothing is applied, and the window stays open, without the mouse.
        decision.action = context.deviceConnected ? ClickAction::Ok : ClickAction::None;
        break;
    case HotArea::Apply:
        decision.action = context.deviceConnected ? ClickAction::Apply : ClickAction::None;
        break;
    case HotArea::Skins:
        decision.action = ClickAction::OpenSkinsDialog;
        break;
    case HotArea::Cancel:
        decision.action = ClickAction::Cancel;
        break;
    default:
        break;
    }
    return decision;
}

} // namespace

bool ListsToClose::any() const {
    const auto isSet = [](bool value) { return value; };
    return std::ranges::any_of(assignmentList, isSet) || dpiSubList ||
           std::ranges::any_of(lightingList, isSet) || mouseEventList;
}

ClickDecision dispatchClick(const ClickContext& context, Point p) {
    if (std::optional<ClickDecision> frame = frameDecision(context, p)) {
        return *frame;
    }
    const ListsToClose close = pageListsToClose(context, p);
    const std::optional<HotAreaEntry> hit = pageTargetAt(context.activePage, p);
    ClickDecision decision = hit ? pageAreaAction(context, *hit) : act(ClickAction::DragWindow);
    decision.closeLists = close;
    return decision;
}
