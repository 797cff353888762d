#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/advanced_page_model.h"
#include "app/win/page_feature.h"
#include "app/win/page_host.h"
#include "config/data_paths.h"
#include "config/win/win32_profile_store.h"
#include "macro/win/macro_record_hook.h"
#include "ui/win/scoped_handle.h"

// The Advanced Settings page under Windows: the macro lists and edits and the mouse-event header
// while the page is shown, the mouse-event list while it is open, and the event list's menu.
// `pointer` is the run's pointer settings and `applied` the snapshot; `paths` tells where record.ini
// lies once the program has found its files.
class AdvancedPageView : public PageFeature, private RecorderHost {
public:
    AdvancedPageView(PageHost& host, DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts,
                     PointerSettings& pointer, DeviceConfigRecord& applied, const DataPaths& paths);

    // Before each drawing of the page, the run's pointer settings, read from the system at the
    // first drawing (its refusals shown at once).
    void prepare() override;
    std::vector<PaintElement> paint(const PagePaintInput& input) override { return advancedPagePaint(input); }
    // Creates the page's controls and fills the macro controls from record.ini.
    void show() override;
    // Giving way to the other page ends a running recording.
    void hide(bool pageChanges) override;
    PageClickModel& clickModel() override { return model_; }
    void showClick(const std::optional<PageUpdate>& update) override;
    bool command(int id, int notification) override;
    // WM_MACRO_RECORD_KEY from the recording hook: wParam 1 for a release.
    bool message(UINT message, WPARAM wParam) override;
    // While a macro is recorded, key presses go to the recording only and act on no control (Enter
    // and Escape do not hide the window).
    bool holdsKey(const MSG& message) const override;
    bool preTranslateMessage(const MSG& message) override;
    std::span<const FocusStop> keyboardOrder() const override { return AdvancedPageModel::keyboardOrder(); }
    StopDescription describe(const FocusStop& stop) const override { return model_.describe(stop); }
    void stepScale(const FocusStop& stop, int step) override;
    bool keyInOpenList(UINT virtualKey) override;
    std::optional<ControlColourRule> controlColour(UINT message, HWND control,
                                                   TextColour uiTextColor) const override;

    const AdvancedPageModel& model() const { return model_; }

private:
    void createControls();
    void destroyControls();
    void show(const PageUpdate& update);
    void showEventListMenu();
    void deleteEventLine();

    // Macro group.
    // RecorderHost: the recorder's and the editor's message boxes, the recording hook, the title.
    void showNotice(const Notice& notice) override;
    bool installKeyboardHook(unsigned long& errorCode) override;
    void removeKeyboardHook() override;
    void setWindowTitle(const std::wstring& title) override;
    void onMacroControl(int control, int notification);
    // Shows the editor's state in the macro controls.
    void showMacroControls();
    void showMouseEventList(bool open);
    // The event line under the pointer or clicked is the one the editor acts on.
    void takeEventLineSelection();
    void editDelayLine();

    PageHost& host_;
    AdvancedPageModel model_;
    PointerSettings& pointer_;
    DeviceConfigRecord& applied_;
    const DataPaths& paths_;
    UniqueWindow mouseEventHeaderText_;
    UniqueWindow mouseEventList_;
    UniqueWindow macroNameEdit_;
    UniqueWindow loopTimesEdit_;
    UniqueWindow macroListBox_;
    UniqueWindow eventListBox_;

    // Macro group: record.ini from the first page build on, and the recording hook.
    std::optional<Win32ProfileStore> macroFile_;
    MacroRecordHook recordHook_;
    // Set while the view writes the macro controls itself: their notifications are not the user's.
    bool showingMacroControls_ = false;
    // The mouse-event list closed from inside its own notification; destroyed after it returned.
    UniqueWindow retiredMouseEventList_;
    // The mouse-event header's caption font where the page's font is too wide for it.
    UniqueFont mouseEventHeaderFont_;
};
