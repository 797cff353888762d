#pragma once

#include <cstdint>
#include <vector>

#include "app/click_dispatch.h"
#include "app/page_update.h"
#include "config/device_config_record.h"
#include "lang/language.h"
#include "settings/pointer_settings.h"

// The Advanced Settings page: the Windows pointer settings and the macro editor. It holds whether
// the mouse-event list is open and decides what each click changes; its view
// (win/advanced_page_view.h) owns the child controls and shows what the model says.
class AdvancedPageModel {
public:
    AdvancedPageModel(DeviceConfigRecord& record, const UiTexts& texts);

    // A page build starts with the mouse-event list closed.
    void reset();
    void describe(ClickContext& context) const;
    void closeLists(const ListsToClose& lists);

    bool mouseEventListOpen() const { return mouseEventListOpen_; }

    // Building the page fills the macro controls from record.ini; building the other page ends a
    // recording that is still running.
    PageUpdate loadMacroPage();
    PageUpdate endRecording();

    // The page's entry points, one per click action of the page (see ClickAction).
    PageUpdate togglePointerPrecision();
    PageUpdate toggleScrollOneScreen();
    PageUpdate restorePointerDefaults();
    PageUpdate startMacroRecording();
    PageUpdate stopMacroRecording();
    PageUpdate newMacro();
    PageUpdate deleteMacro();
    PageUpdate saveMacro();
    PageUpdate toggleMouseEventList();
    PageUpdate setPointerSlider(uint8_t slider, uint8_t value);

    // Pointer settings.
    // Before each drawing of the page: the run's pointer settings (the main window's), which read
    // the system at the first drawing. What the system gave then is also what Cancel goes back to,
    // so `applied` (the snapshot) takes the five fields as read. Returns the boxes to show.
    std::vector<PointerMessage> preparePointerSettings(PointerSettings& pointer, DeviceConfigRecord& applied);
    // The boxes the last Default left to show, in order; taking them empties the list.
    std::vector<PointerMessage> takePointerMessages();

private:
    DeviceConfigRecord& record_;
    const UiTexts& texts_;
    bool mouseEventListOpen_ = false;
    // Pointer settings: none until the page is first prepared for drawing.
    PointerSettings* pointer_ = nullptr;
    std::vector<PointerMessage> pointerMessages_;
};
