#include "app/advanced_page_model.h"

#include <utility>

#include "app/page_paint.h"

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

AdvancedPageModel::AdvancedPageModel(DeviceConfigRecord& record, const UiTexts& texts)
    : record_(record), texts_(texts) {}

void AdvancedPageModel::reset() {
    mouseEventListOpen_ = false;
}

void AdvancedPageModel::describe(ClickContext& context) const {
    context.mouseEventListOpen = mouseEventListOpen_;
}

void AdvancedPageModel::closeLists(const ListsToClose& lists) {
    mouseEventListOpen_ = mouseEventListOpen_ && !lists.mouseEventList;
}

// The pointer settings and the macro editor take their clicks here; what each changes comes with
// those groups. Until then a click on them is taken (it does not move the window) and changes
// nothing.
PageUpdate AdvancedPageModel::loadMacroPage() {
    return {};
}

PageUpdate AdvancedPageModel::endRecording() {
    return {};
}

std::vector<PointerMessage> AdvancedPageModel::preparePointerSettings(PointerSettings& pointer,
                                                                      DeviceConfigRecord& applied) {
    const bool firstDrawing = pointer_ == nullptr;
    pointer_ = &pointer;
    std::vector<PointerMessage> messages = pointer.readSystemOnce();
    if (firstDrawing) {
        copyPointerFields(record_, applied);
    }
    return messages;
}

std::vector<PointerMessage> AdvancedPageModel::takePointerMessages() {
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
// takePointerMessages().
PageUpdate AdvancedPageModel::restorePointerDefaults() {
    if (pointer_ == nullptr) {
        return {};
    }
    pointerMessages_ = pointer_->restoreDefaults();
    return redrawOf(pointerGroupPaint(record_));
}

PageUpdate AdvancedPageModel::startMacroRecording() {
    return {};
}

PageUpdate AdvancedPageModel::stopMacroRecording() {
    return {};
}

PageUpdate AdvancedPageModel::newMacro() {
    return {};
}

PageUpdate AdvancedPageModel::deleteMacro() {
    return {};
}

PageUpdate AdvancedPageModel::saveMacro() {
    return {};
}

PageUpdate AdvancedPageModel::toggleMouseEventList() {
    return {};
}

PageUpdate AdvancedPageModel::setPointerSlider(uint8_t slider, uint8_t value) {
    if (pointer_ == nullptr || slider < 1 || slider > kPointerScaleCount ||
        !pointer_->setScale(static_cast<PointerScale>(slider), value)) {
        return {};
    }
    return redrawOf(pointerScalePaint(slider, value));
}
