#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/area_handlers.h"
#include "app/accessible_tree.h"
#include "app/hot_area.h"
#include "app/keyboard_focus.h"
#include "app/page_click_model.h"
#include "app/page_update.h"
#include "config/app_settings.h"
#include "config/device_config_record.h"
#include "config/profile_store.h"
#include "lang/language.h"
#include "macro/macro_editor.h"
#include "macro/macro_recorder.h"
#include "macro/macro_store.h"
#include "settings/pointer_settings.h"

// The Advanced Settings page: the Windows pointer settings and the macro editor. It holds whether
// the mouse-event list is open and decides what each click changes; its view
// (win/advanced_page_view.h) owns the child controls and shows what the model says. Deleting a
// macro changes the record and the button labels in memory at once, like the page's other edits,
// so the buttons that ran it or a later macro reach the mouse and config.bin with OK or Apply.
class AdvancedPageModel : public PageClickModel {
public:
    AdvancedPageModel(DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts);

    // A page build starts with the mouse-event list closed.
    void reset();
    // A click at p on the page: the open mouse-event list closes unless the click is on it or its
    // header, then the page area it hits acts (the table in advanced_page_model.cpp). Nothing when it
    // hits no area: the window is dragged.
    std::optional<PageUpdate> click(Point p) override;
    // The mouse-event list closes unless p is on it or its header (a click on the frame's buttons).
    void closeListsAt(Point p) override;

    bool mouseEventListOpen() const { return macro_ && macro_->editor.mouseEventListOpen(); }

    // Building the page fills the macro controls from record.ini; building the other page ends a
    // recording that is still running.
    PageUpdate loadMacroPage();
    PageUpdate endRecording();

    // What the page's areas do.
    PageUpdate togglePointerPrecision();
    PageUpdate toggleScrollOneScreen();
    PageUpdate restorePointerDefaults();
    PageUpdate startMacroRecording();
    PageUpdate stopMacroRecording();
    PageUpdate newMacro();
    PageUpdate deleteMacro();
    PageUpdate saveMacro();
    PageUpdate toggleMouseEventList();
    // Pointer scale `slider` (0 speed, 1 scroll lines, 2 double-click) set to `value`, the number of
    // segments lit (1..11).
    PageUpdate setPointerSlider(uint8_t slider, uint8_t value);
    // The focused pointer scale moved `step` segments; nothing beyond the ends of the scale.
    PageUpdate stepPointerSlider(uint8_t slider, int step);

    // The kinds of the page's areas (the rows of its table), and the page's stops of the keyboard
    // order, group by group: those of its areas and of its macro controls.
    static std::span<const AreaKind> areaKinds();
    static std::span<const FocusStop> keyboardOrder();
    // What a screen reader says of one of those stops: its name, a scale's position as its value,
    // a box's tick.
    StopDescription describe(const FocusStop& stop) const;

    // Pointer settings.
    // Before each drawing of the page: the run's pointer settings (the main window's), which read
    // the system at the first drawing. What the system gave then is also what Cancel goes back to,
    // so `applied` (the snapshot) takes the five fields as read. Returns the boxes to show.
    std::vector<Notice> preparePointerSettings(PointerSettings& pointer, DeviceConfigRecord& applied);
    // The boxes the last Default left to show, in order; taking them empties the list.
    std::vector<Notice> takePointerNotices();

    // Macro group.
    // The macro file and the window system's side of the recorder, once the program knows where
    // record.ini lies; until then the macro entry points change nothing. Refusals and the
    // recorder's boxes go to `recorderHost`; an update with refreshControls asks the view to show
    // the editor's state (macroEditor()) in the macro controls again.
    void openMacroFile(ProfileStore& macroFile, RecorderHost& recorderHost);
    const MacroEditor* macroEditor() const { return macro_ ? &macro_->editor : nullptr; }
    // While a recording runs, the main window keeps key presses from acting on its controls.
    bool recording() const { return macro_ && macro_->recorder.recording(); }
    // Notifications of the macro controls.
    void setMacroNameText(std::wstring text);
    PageUpdate selectMacro(std::optional<std::size_t> index);
    PageUpdate setLoopTimes(std::wstring text);
    void selectEventLine(std::optional<std::size_t> index);
    PageUpdate insertMouseEvent(std::size_t item);
    // A double-click on the event list opens the delay-time dialog only on a delay line.
    bool canEditDelay() const { return macro_ && macro_->editor.canEditDelay(); }
    PageUpdate editDelayLine(long long delayMs);
    PageUpdate deleteEventLine();
    // The recording hook's key transition (true: the main window gets WM_MACRO_RECORD_KEY), and
    // that message.
    bool acceptRecordedKey(std::wstring_view keyName, bool released, bool previouslyDown);
    PageUpdate onRecordedKey(bool released);

private:
    // One row per kind of area: what it is and what a click on it does.
    static const AreaHandler<AdvancedPageModel> kAreaHandlers[];
    PageUpdate onPrecisionCheckBox(const HotAreaEntry&) { return togglePointerPrecision(); }
    PageUpdate onOneScreenCheckBox(const HotAreaEntry&) { return toggleScrollOneScreen(); }
    PageUpdate onPointerDefault(const HotAreaEntry&) { return restorePointerDefaults(); }
    PageUpdate onRecordStart(const HotAreaEntry&) { return startMacroRecording(); }
    PageUpdate onRecordStop(const HotAreaEntry&) { return stopMacroRecording(); }
    PageUpdate onNewMacro(const HotAreaEntry&) { return newMacro(); }
    PageUpdate onDeleteMacro(const HotAreaEntry&) { return deleteMacro(); }
    PageUpdate onConfirmMacro(const HotAreaEntry&) { return saveMacro(); }
    PageUpdate onMouseEventHeader(const HotAreaEntry&) { return toggleMouseEventList(); }
    // A click on a segment lights it and every segment below it: the scale's value is their count.
    PageUpdate onPointerSliderSegment(const HotAreaEntry& hit) {
        return setPointerSlider(hit.index, static_cast<uint8_t>(hit.subIndex + 1u));
    }

    // Macro group: record.ini, the editor on it and the record's macro area, and the recorder.
    struct MacroGroup {
        MacroGroup(ProfileStore& file, MacroArea& area, RecorderHost& host, const UiTexts& texts)
            : store(file), editor(store, area, texts), recorder(editor, host, texts), host(host) {}
        MacroStore store;
        MacroEditor editor;
        MacroRecorder recorder;
        RecorderHost& host;
    };
    // The macro controls show the editor's state again.
    static PageUpdate showMacroEdit();
    // Shows the editor's refusal, if any, then the editor's state.
    PageUpdate showMacroEdit(const std::optional<Notice>& refusal);

    DeviceConfigRecord& record_;
    AppSettings& settings_;
    const UiTexts& texts_;
    std::optional<MacroGroup> macro_;
    // Pointer settings: none until the page is first prepared for drawing.
    PointerSettings* pointer_ = nullptr;
    std::vector<Notice> pointerMessages_;
};
