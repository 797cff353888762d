#include "app/basic_page_model.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "app/hot_area.h"
#include "app/page_paint.h"
#include "settings/dpi_table.h"
#include "settings/lighting_texts.h"
#include "settings/report_rate.h"

namespace {

constexpr uint8_t kLightingListCount = 3;

constexpr std::initializer_list<ButtonIndex> kAllButtons{ButtonIndex{0}, ButtonIndex{1}, ButtonIndex{2},
                                                         ButtonIndex{3}, ButtonIndex{4}, ButtonIndex{5},
                                                         ButtonIndex{6}};

bool isLightingList(uint8_t list) {
    return list < kLightingListCount;
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
    : record_(record), settings_(settings), texts_(texts), assignments_(record, settings, texts),
      dpiStages_(record), lighting_(record, texts) {}

void BasicPageModel::reset() {
    assignments_.closeLists();
    lighting_.closeList();
}

// The assignment group (the seven boxes, the key modes, Default), the report rate, the DPI stages
// (each stage's scale, box and colour) and the lighting fields; their places give the keyboard's
// reading order, panel by panel.
// Each row: {area, look, lights under the pointer, {place, place step, role, names}}, handler.
const AreaHandler<BasicPageModel> BasicPageModel::kAreaHandlers[] = {
    {{HotArea::ModeA, textButton(TextKey::KeyModeA), false, {110, 1, FocusRole::RadioButton, {}}},
     &BasicPageModel::onModeButton},
    {{HotArea::ModeB, textButton(TextKey::KeyModeB), false, {111, 1, FocusRole::RadioButton, {}}},
     &BasicPageModel::onModeButton},
    {{HotArea::KeyDefault,
      textButton(TextKey::KeyDefault),
      true,
      {112, 1, FocusRole::Button, kStopNames<TextKey::KeyDefault>}},
     &BasicPageModel::onKeyDefault},
    {{HotArea::AssignmentHeader,
      ButtonLook{SkinImage::DropdownNormal, SkinImage::DropdownOver, std::nullopt, true},
      true,
      {100, 1, FocusRole::ComboBox, {}}},
     &BasicPageModel::onAssignmentHeader},
    {{HotArea::ReportRateSegment, std::nullopt, false, {200, 1, FocusRole::RadioButton, {}}},
     &BasicPageModel::onReportRateSegment},
    {{HotArea::DpiStageCheckBox, std::nullopt, false, {301, 10, FocusRole::CheckBox, {}}},
     &BasicPageModel::onStageCheckBox},
    {{HotArea::DpiColourSwatch, std::nullopt, false, {302, 10, FocusRole::Button, {}}},
     &BasicPageModel::onStageSwatch},
    {{HotArea::LightingHeader,
      std::nullopt,
      false,
      {400, 1, FocusRole::ComboBox,
       kStopNames<TextKey::ModeLabel, TextKey::ParameterLabel, TextKey::EffectLabel>}},
     &BasicPageModel::onLightingHeader},
    {{HotArea::DpiLevelCell, std::nullopt, false, {300, 10, FocusRole::Slider, {}}},
     &BasicPageModel::onDpiLevelCell},
};

std::span<const AreaKind> BasicPageModel::areaKinds() {
    static const std::vector<AreaKind> kinds = areaKindsOf<BasicPageModel>(kAreaHandlers);
    return kinds;
}

std::span<const FocusStop> BasicPageModel::keyboardOrder() {
    static const std::vector<FocusStop> stops = areaFocusStops(areaKinds(), basicPageAreas());
    return stops;
}

StopDescription BasicPageModel::describe(const FocusStop& stop) const {
    StopDescription description;
    const StageIndex stage{stop.index};
    const bool stageOn = dpiStages_.isOn(stage);
    switch (stop.area) {
    case HotArea::AssignmentHeader:
        description.value = assignments_.label(stop.index);
        description.name = withNumber(texts_[TextKey::AccessButtonBox], ButtonIndex{stop.index}.number()) +
                           L": " + description.value;
        break;
    case HotArea::ModeA:
    case HotArea::ModeB: {
        const bool modeA = stop.area == HotArea::ModeA;
        description.name = texts_[modeA ? TextKey::AccessKeyModeA : TextKey::AccessKeyModeB];
        description.checked = (assignments_.keyMode() == KeyMode::ModeA) == modeA;
        break;
    }
    case HotArea::ReportRateSegment:
        description.name = withNumber(texts_[TextKey::AccessReportRate],
                                      reportRateHertz(reportIntervalCodeOfSegment(stop.index)));
        description.checked = reportRateSegmentOfCode(record_.reportIntervalCode) == stop.index;
        break;
    case HotArea::DpiLevelCell: {
        // The stored step, which a stage that is off keeps though its scale shows dark.
        const std::vector<std::wstring>& labels = dpiScaleLabels(sensorType_);
        const std::size_t step = stage.value() < kDpiStageCount ? record_.dpiPosition[stage.value()] : 0;
        description.value =
            labels.empty() ? std::wstring() : labels[std::min(step, labels.size() - 1)] + L" DPI";
        description.name =
            withNumber(texts_[TextKey::AccessDpiStage], stage.number()) + L": " + description.value;
        description.unavailable = !stageOn;
        break;
    }
    case HotArea::DpiStageCheckBox:
        description.name = withNumber(texts_[TextKey::AccessDpiStageOn], stage.number());
        description.checked = stageOn;
        break;
    case HotArea::DpiColourSwatch:
        description.name = withNumber(texts_[TextKey::AccessDpiStageColour], stage.number());
        description.unavailable = !stageOn;
        break;
    case HotArea::LightingHeader: {
        const LightingFieldTexts fields = lightingFieldTexts(record_, texts_);
        const auto field = static_cast<LightingField>(stop.index);
        description.value = field == LightingField::Mode        ? fields.mode
                            : field == LightingField::Parameter ? fields.parameter
                                                                : fields.effect;
        break;
    }
    default:
        break;
    }
    if (stop.name) {
        description.name = texts_[*stop.name];
    }
    return description;
}

std::optional<PageUpdate> BasicPageModel::click(Point p) {
    closeListsAt(p);
    return handleAreaClick<BasicPageModel>(*this, basicPageAreas(), kAreaHandlers, p);
}

// A click anywhere but on the open function list or its box closes the list, and the DPI sub-list
// with it; a click on a box closes the DPI sub-list of the open list as well, as the pointer is on
// no item of it. A lighting list closes unless the click is on it or its header.
void BasicPageModel::closeListsAt(Point p) {
    const auto on = [p](HotArea list, HotArea header, uint8_t index) {
        return hotAreaRect(list, index).contains(p) || hotAreaRect(header, index).contains(p);
    };
    const std::optional<std::size_t> slot = assignments_.openList();
    bool offSomeBox = false;
    for (uint8_t button = 0; button < kShownButtonCount; ++button) {
        offSomeBox = offSomeBox || !on(HotArea::AssignmentList, HotArea::AssignmentHeader, button);
    }
    if (slot && !on(HotArea::AssignmentList, HotArea::AssignmentHeader, static_cast<uint8_t>(*slot))) {
        assignments_.closeLists();
    } else if (slot && offSomeBox && dpiSubListOpen()) {
        assignments_.onAssignmentListHover(*slot, std::nullopt);
    }
    const std::optional<LightingField> open = lighting_.openList();
    if (open && !on(HotArea::LightingList, HotArea::LightingHeader, static_cast<uint8_t>(*open))) {
        lighting_.closeList();
    }
}

PageUpdate BasicPageModel::onModeButton(const HotAreaEntry& hit) {
    return selectKeyMode(hit.area == HotArea::ModeA ? 0 : 1);
}

PageUpdate BasicPageModel::onKeyDefault(const HotAreaEntry&) {
    return restoreDefaultAssignments();
}

PageUpdate BasicPageModel::onAssignmentHeader(const HotAreaEntry& hit) {
    return toggleAssignmentList(ButtonIndex{hit.index});
}

PageUpdate BasicPageModel::onReportRateSegment(const HotAreaEntry& hit) {
    return selectReportRate(hit.index);
}

PageUpdate BasicPageModel::onStageCheckBox(const HotAreaEntry& hit) {
    return toggleDpiStage(StageIndex{hit.index});
}

// The colour of a stage that is off cannot be chosen.
PageUpdate BasicPageModel::onStageSwatch(const HotAreaEntry& hit) {
    PageUpdate update;
    if (const StageIndex stage{hit.index}; dpiStages_.canChooseColour(stage)) {
        update.colourForStage = stage;
    }
    return update;
}

PageUpdate BasicPageModel::onLightingHeader(const HotAreaEntry& hit) {
    return toggleLightingList(hit.index);
}

PageUpdate BasicPageModel::onDpiLevelCell(const HotAreaEntry& hit) {
    return setDpiStep(StageIndex{hit.index}, hit.subIndex);
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
    if (change->unlitSegment) {
        update.redraw.emplace_back(std::in_place_type<ImageElement>, SkinImage::ReportRateDark,
                                   hotAreaRect(HotArea::ReportRateSegment, *change->unlitSegment).topLeft());
    }
    update.redraw.emplace_back(std::in_place_type<ImageElement>, SkinImage::ReportRateLight,
                               hotAreaRect(HotArea::ReportRateSegment, change->litSegment).topLeft());
    return update;
}

PageUpdate BasicPageModel::setStageColour(StageIndex stage, uint8_t red, uint8_t green, uint8_t blue) {
    PageUpdate update;
    update.refreshControls = dpiStages_.setColour(stage, {red, green, blue});
    return update;
}

// The mode buttons show which key mode is edited; the seven boxes show that mode's labels.
PageUpdate BasicPageModel::selectKeyMode(uint8_t mode) {
    assignments_.selectKeyMode(mode == 0 ? KeyMode::ModeA : KeyMode::ModeB);
    return assignmentBoxesUpdate(kAllButtons, true);
}

PageUpdate BasicPageModel::restoreDefaultAssignments() {
    assignments_.restoreDefaultAssignments();
    return assignmentBoxesUpdate(kAllButtons, false);
}

// The list opens or closes (the view follows assignmentListOpen()); the last button holding Left
// Click keeps its list shut and the warning says why.
PageUpdate BasicPageModel::toggleAssignmentList(ButtonIndex button) {
    PageUpdate update;
    if (button.value() >= kShownButtonCount) {
        return update;
    }
    update.notice = assignments_.toggleAssignmentList(button.value());
    return update;
}

void BasicPageModel::hoverAssignmentList(ButtonIndex button, std::optional<std::size_t> item) {
    if (button.value() < kShownButtonCount) {
        assignments_.onAssignmentListHover(button.value(), item);
    }
}

PageUpdate BasicPageModel::chooseAssignment(ButtonIndex button, std::optional<std::size_t> item) {
    if (button.value() >= kShownButtonCount) {
        return {};
    }
    const FunctionPick pick = assignments_.pickFunction(button.value(), item);
    PageUpdate update = pick.changed ? assignmentBoxesUpdate({button}, false) : PageUpdate{};
    update.dialog = pick.dialog;
    return update;
}

PageUpdate BasicPageModel::assign(const DialogRequest& request, const std::optional<FunctionChoice>& choice) {
    if (!assignments_.assign(request.slot, choice)) {
        return {};
    }
    return assignmentBoxesUpdate({ButtonIndex{request.slot}}, false);
}

PageUpdate BasicPageModel::chooseDpiSwitch(std::optional<std::size_t> row) {
    const std::optional<std::size_t> slot = assignments_.openList();
    if (!slot || !assignments_.onDpiSubListChoice(row)) {
        return {};
    }
    return assignmentBoxesUpdate({ButtonIndex{*slot}}, false);
}

// The boxes of `buttons` drawn normal with the edited key mode's labels, and the two mode buttons
// with the edited one lit.
PageUpdate BasicPageModel::assignmentBoxesUpdate(std::initializer_list<ButtonIndex> buttons,
                                                 bool modeButtons) const {
    const PagePaintInput input{record_,
                               [this](TextKey key) { return texts_[key]; },
                               settings_.labels(assignments_.keyMode()),
                               0,
                               {}};
    PageUpdate update;
    const auto append = [&update](std::vector<PaintElement> elements) {
        std::ranges::move(elements, std::back_inserter(update.redraw));
    };
    if (modeButtons) {
        const bool modeB = assignments_.keyMode() == KeyMode::ModeB;
        append(buttonPaint({HotArea::ModeA, hotAreaRect(HotArea::ModeA)}, !modeB, input));
        append(buttonPaint({HotArea::ModeB, hotAreaRect(HotArea::ModeB)}, modeB, input));
    }
    for (const ButtonIndex button : buttons) {
        const auto index = static_cast<uint8_t>(button.value());
        append(buttonPaint({HotArea::AssignmentHeader, hotAreaRect(HotArea::AssignmentHeader, index), index},
                           false, input));
    }
    return update;
}

// A stage switched on lights its scale up to its stored step, one switched off goes dark; the only
// stage that is on stays on.
PageUpdate BasicPageModel::toggleDpiStage(StageIndex stage) {
    PageUpdate update;
    if (dpiStages_.toggleStage(stage)) {
        update.redraw = dpiStageColumnPaint(stage, dpiStages_.column(stage, sensorType_));
    }
    return update;
}

// Positions above an 8-position sensor's scale are not drawn and have no DPI value: a click there
// is ignored.
PageUpdate BasicPageModel::setDpiStep(StageIndex stage, uint8_t position) {
    PageUpdate update;
    if (const std::optional<DpiStageColumn> column = dpiStages_.setStep(stage, position, sensorType_)) {
        update.redraw = dpiStageColumnPaint(stage, *column);
    }
    return update;
}

PageUpdate BasicPageModel::stepDpiStage(StageIndex stage, int step) {
    if (stage.value() >= kDpiStageCount) {
        return {};
    }
    // A stored step past the sensor's scale stands at its top.
    const int positions = static_cast<int>(dpiScalePositions(sensorType_));
    const int position = std::min<int>(record_.dpiPosition[stage.value()], positions - 1) + step;
    if (position < 0 || position >= positions) {
        return {};
    }
    return setDpiStep(stage, static_cast<uint8_t>(position));
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
