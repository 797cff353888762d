#include "app/advanced_page_model.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "app/page_control_ids.h"
#include "app/page_control_layout.h"
#include "app/page_paint.h"
#include "settings/pointer_mapping.h"
#include "assign/deleted_macro_buttons.h"

namespace {

constexpr uint8_t kPointerScaleCount = 3;

void copyPointerFields(const DeviceConfigRecord& from, DeviceConfigRecord& to) {
    to.enhancePointerPrecision = from.enhancePointerPrecision;
    to.scrollOneScreen = from.scrollOneScreen;
    to.pointerSpeedPosition = from.pointerSpeedPosition;
    to.scrollLines = from.scrollLines;
    to.doubleClickPosition = from.doubleClickPosition;
}

PageUpdate redrawOf(std::vector<PaintElement> elements) {
    PageUpdate update;
    update.redraw = std::move(elements);
    return update;
}

} // namespace

AdvancedPageModel::AdvancedPageModel(DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts)
    : record_(record), settings_(settings), texts_(texts) {}

void AdvancedPageModel::reset() {
    if (macro_) {
        macro_->editor.closeMouseEventList();
    }
}

// The pointer group (speed, precision, scroll lines, one screen, double-click, Default) and the
// macro group's recording buttons, mouse-event list and macro buttons; their places give the
// keyboard's reading order, group by group.
// Each row: {area, look, lights under the pointer, {place, place step, role, names}}, handler.
const AreaHandler<AdvancedPageModel> AdvancedPageModel::kAreaHandlers[] = {
    {{HotArea::PrecisionCheckBox,
      std::nullopt,
      false,
      {101, 1, FocusRole::CheckBox, kStopNames<TextKey::EnhancePointerPrecision>}},
     &AdvancedPageModel::onPrecisionCheckBox},
    {{HotArea::OneScreenCheckBox,
      std::nullopt,
      false,
      {103, 1, FocusRole::CheckBox, kStopNames<TextKey::ScrollOneScreen>}},
     &AdvancedPageModel::onOneScreenCheckBox},
    {{HotArea::PointerDefault,
      textButton(TextKey::PointerDefault),
      true,
      {105, 1, FocusRole::Button, kStopNames<TextKey::PointerDefault>}},
     &AdvancedPageModel::onPointerDefault},
    {{HotArea::RecordStart,
      std::nullopt,
      false,
      {202, 1, FocusRole::Button, kStopNames<TextKey::StartRecording>}},
     &AdvancedPageModel::onRecordStart},
    {{HotArea::RecordStop,
      std::nullopt,
      false,
      {203, 1, FocusRole::Button, kStopNames<TextKey::StopRecording>}},
     &AdvancedPageModel::onRecordStop},
    {{HotArea::NewMacro,
      textButton(TextKey::New),
      true,
      {207, 1, FocusRole::Button, kStopNames<TextKey::New>}},
     &AdvancedPageModel::onNewMacro},
    {{HotArea::DeleteMacro,
      textButton(TextKey::Delete),
      true,
      {208, 1, FocusRole::Button, kStopNames<TextKey::Delete>}},
     &AdvancedPageModel::onDeleteMacro},
    {{HotArea::ConfirmMacro,
      textButton(TextKey::Confirm),
      true,
      {209, 1, FocusRole::Button, kStopNames<TextKey::Confirm>}},
     &AdvancedPageModel::onConfirmMacro},
    {{HotArea::MouseEventHeader,
      std::nullopt,
      false,
      {206, 1, FocusRole::ComboBox, kStopNames<TextKey::InsertMouseEventButton>}},
     &AdvancedPageModel::onMouseEventHeader},
    {{HotArea::PointerSliderSegment,
      std::nullopt,
      false,
      {100, 2, FocusRole::Slider,
       kStopNames<TextKey::MouseSpeed, TextKey::ScrollingSpeed, TextKey::DoubleClickSpeed>}},
     &AdvancedPageModel::onPointerSliderSegment},
};

// The macro group's controls between its hot areas: the list of macros, the list of the selected
// macro's lines, the name and loop-count fields.
constexpr FocusStop kMacroControlStops[] = {
    {200,
     {},
     0,
     FocusRole::List,
     TextKey::SelectMacroTitle,
     page_control_id::kMacroListBox,
     kMacroListBoxRect},
    {201,
     {},
     0,
     FocusRole::List,
     TextKey::KeyPressSequence,
     page_control_id::kEventListBox,
     kEventListBoxRect},
    {204, {}, 0, FocusRole::Edit, TextKey::MacroName, page_control_id::kMacroNameEdit, kMacroNameEditRect},
    {205, {}, 0, FocusRole::Edit, TextKey::LoopTimes, page_control_id::kLoopTimesEdit, kLoopTimesEditRect},
};

std::span<const AreaKind> AdvancedPageModel::areaKinds() {
    static const std::vector<AreaKind> kinds = areaKindsOf<AdvancedPageModel>(kAreaHandlers);
    return kinds;
}

std::span<const FocusStop> AdvancedPageModel::keyboardOrder() {
    static const std::vector<FocusStop> stops = [] {
        std::vector<FocusStop> all = areaFocusStops(areaKinds(), advancedPageAreas());
        all.insert(all.end(), std::begin(kMacroControlStops), std::end(kMacroControlStops));
        std::ranges::stable_sort(all, {}, &FocusStop::place);
        return all;
    }();
    return stops;
}

StopDescription AdvancedPageModel::describe(const FocusStop& stop) const {
    StopDescription description;
    if (stop.name) {
        description.name = texts_[*stop.name];
    }
    if (pointer_ == nullptr) {
        return description;
    }
    const PointerGroupView view = pointer_->view();
    switch (stop.area) {
    case HotArea::PointerSliderSegment: {
        const uint8_t segments[] = {view.speedSegments, view.scrollSegments, view.doubleClickSegments};
        if (stop.index < kPointerScaleCount) {
            description.value = std::to_wstring(segments[stop.index]);
        }
        break;
    }
    case HotArea::PrecisionCheckBox:
        description.checked = view.precision;
        break;
    case HotArea::OneScreenCheckBox:
        description.checked = view.oneScreen;
        break;
    default:
        break;
    }
    return description;
}

std::optional<PageUpdate> AdvancedPageModel::click(Point p) {
    closeListsAt(p);
    return handleAreaClick<AdvancedPageModel>(*this, advancedPageAreas(), kAreaHandlers, p);
}

void AdvancedPageModel::closeListsAt(Point p) {
    const bool onList = hotAreaRect(HotArea::MouseEventList).contains(p) ||
                        hotAreaRect(HotArea::MouseEventHeader).contains(p);
    if (macro_ && mouseEventListOpen() && !onList) {
        macro_->editor.closeMouseEventList();
    }
}

// Macro group.
void AdvancedPageModel::openMacroFile(ProfileStore& macroFile, RecorderHost& recorderHost) {
    macro_.emplace(macroFile, record_.macroSlots, recorderHost, texts_);
}

PageUpdate AdvancedPageModel::showMacroEdit() {
    PageUpdate update;
    update.refreshControls = true;
    return update;
}

PageUpdate AdvancedPageModel::showMacroEdit(const std::optional<Notice>& refusal) {
    if (refusal) {
        macro_->host.showNotice(*refusal);
    }
    return showMacroEdit();
}

PageUpdate AdvancedPageModel::loadMacroPage() {
    if (!macro_) {
        return {};
    }
    macro_->editor.LoadMacroPage();
    return showMacroEdit();
}

PageUpdate AdvancedPageModel::endRecording() {
    if (macro_) {
        macro_->recorder.abandonRecording();
    }
    return {};
}

std::vector<Notice> AdvancedPageModel::preparePointerSettings(PointerSettings& pointer,
                                                              DeviceConfigRecord& applied) {
    const bool firstDrawing = pointer_ == nullptr;
    pointer_ = &pointer;
    std::vector<Notice> messages = pointer.readSystemOnce();
    if (firstDrawing) {
        copyPointerFields(record_, applied);
    }
    return messages;
}

std::vector<Notice> AdvancedPageModel::takePointerNotices() {
    return std::exchange(pointerMessages_, {});
}

PageUpdate AdvancedPageModel::togglePointerPrecision() {
    if (pointer_ == nullptr) {
        return {};
    }
    pointer_->togglePrecision();
    return redrawOf({checkBoxPaint(HotArea::PrecisionCheckBox, record_.enhancePointerPrecision != 0)});
}

PageUpdate AdvancedPageModel::toggleScrollOneScreen() {
    if (pointer_ == nullptr) {
        return {};
    }
    pointer_->toggleOneScreen();
    return redrawOf({checkBoxPaint(HotArea::OneScreenCheckBox, record_.scrollOneScreen != 0)});
}

// Default sets the system at once, the mouse connected or not; its refusals wait in
// takePointerNotices().
PageUpdate AdvancedPageModel::restorePointerDefaults() {
    if (pointer_ == nullptr) {
        return {};
    }
    pointerMessages_ = pointer_->restoreDefaults();
    return redrawOf(pointerGroupPaint(record_));
}

PageUpdate AdvancedPageModel::startMacroRecording() {
    if (!macro_) {
        return {};
    }
    macro_->recorder.StartMacroRecording();
    return showMacroEdit();
}

PageUpdate AdvancedPageModel::stopMacroRecording() {
    if (macro_) {
        macro_->recorder.StopMacroRecording();
    }
    return {};
}

PageUpdate AdvancedPageModel::newMacro() {
    return macro_ ? showMacroEdit(macro_->editor.NewMacro()) : PageUpdate{};
}

PageUpdate AdvancedPageModel::deleteMacro() {
    if (!macro_) {
        return {};
    }
    const MacroEditor::Deletion deletion = macro_->editor.DeleteMacro();
    if (deletion.slot) {
        followMacroDeletion(record_, settings_, texts_, *deletion.slot);
    }
    return showMacroEdit(deletion.refusal);
}

PageUpdate AdvancedPageModel::saveMacro() {
    return macro_ ? showMacroEdit(macro_->editor.SaveMacro()) : PageUpdate{};
}

PageUpdate AdvancedPageModel::toggleMouseEventList() {
    if (!macro_) {
        return {};
    }
    macro_->editor.toggleMouseEventList();
    return showMacroEdit();
}

void AdvancedPageModel::setMacroNameText(std::wstring text) {
    if (macro_) {
        macro_->editor.setMacroNameText(std::move(text));
    }
}

PageUpdate AdvancedPageModel::selectMacro(std::optional<std::size_t> index) {
    if (!macro_) {
        return {};
    }
    macro_->editor.SelectMacro(index);
    return showMacroEdit();
}

PageUpdate AdvancedPageModel::setLoopTimes(std::wstring text) {
    if (!macro_) {
        return {};
    }
    macro_->editor.SetLoopTimes(std::move(text));
    return showMacroEdit();
}

void AdvancedPageModel::selectEventLine(std::optional<std::size_t> index) {
    if (macro_) {
        macro_->editor.selectEventLine(index);
    }
}

PageUpdate AdvancedPageModel::insertMouseEvent(std::size_t item) {
    if (!macro_) {
        return {};
    }
    macro_->editor.InsertMouseEvent(item);
    return showMacroEdit();
}

PageUpdate AdvancedPageModel::editDelayLine(long long delayMs) {
    if (!macro_) {
        return {};
    }
    macro_->editor.EditDelayLine(delayMs);
    return showMacroEdit();
}

PageUpdate AdvancedPageModel::deleteEventLine() {
    if (!macro_) {
        return {};
    }
    macro_->editor.DeleteEventLine();
    return showMacroEdit();
}

bool AdvancedPageModel::acceptRecordedKey(std::wstring_view keyName, bool released, bool previouslyDown) {
    return macro_ && macro_->recorder.acceptHookKey(keyName, released, previouslyDown);
}

PageUpdate AdvancedPageModel::onRecordedKey(bool released) {
    if (!macro_) {
        return {};
    }
    macro_->recorder.onRecordedKey(released);
    return showMacroEdit();
}

PageUpdate AdvancedPageModel::stepPointerSlider(uint8_t slider, int step) {
    if (pointer_ == nullptr) {
        return {};
    }
    const PointerGroupView view = pointer_->view();
    const uint8_t segments[] = {view.speedSegments, view.scrollSegments, view.doubleClickSegments};
    if (slider >= kPointerScaleCount) {
        return {};
    }
    const int value = segments[slider] + step;
    if (value < 1 || value > kPointerScaleMax) {
        return {};
    }
    return setPointerSlider(slider, static_cast<uint8_t>(value));
}

PageUpdate AdvancedPageModel::setPointerSlider(uint8_t slider, uint8_t value) {
    if (pointer_ == nullptr || slider >= kPointerScaleCount ||
        !pointer_->setScale(static_cast<PointerScale>(slider), value)) {
        return {};
    }
    return redrawOf(pointerScalePaint(slider, value));
}
