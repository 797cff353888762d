#include "app/advanced_page_model.h"

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

PageUpdate AdvancedPageModel::togglePointerPrecision() {
    return {};
}

PageUpdate AdvancedPageModel::toggleScrollOneScreen() {
    return {};
}

PageUpdate AdvancedPageModel::restorePointerDefaults() {
    return {};
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

PageUpdate AdvancedPageModel::setPointerSlider(uint8_t, uint8_t) {
    return {};
}
