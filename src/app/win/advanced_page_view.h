#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/advanced_page_model.h"
#include "app/win/page_host.h"
#include "app/win/page_view.h"
#include "config/win/win32_profile_store.h"
#include "macro/win/macro_record_hook.h"
#include "ui/win/unique_window.h"

// The Advanced Settings page under Windows: the macro lists and edits and the mouse-event header
// while the page is shown, the mouse-event list while it is open, and the event list's menu.
class AdvancedPageView : public PageView, private RecorderHost {
public:
    AdvancedPageView(PageHost& host, DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts);

    void createControls() override;
    void destroyControls() override;
    void closeLists(const ListsToClose& lists) override;
    void carryOut(const ClickDecision& decision) override;
    bool onCommand(int id, int notification) override;
    bool preTranslateMessage(const MSG& message) override;
    void describe(ClickContext& context) const override;

    // A page build fills the macro controls from the record.ini at `macroPath`; building the other
    // page ends a running recording.
    void loadMacroPage(const std::wstring& macroPath);
    void endRecording();
    // WM_MACRO_RECORD_KEY from the recording hook: wParam 1 for a release.
    void onRecordedKey(WPARAM released);
    // While a macro is recorded, key presses go to the recording only and act on no control (Enter
    // and Escape do not hide the window).
    bool holdsRecordedKey(const MSG& message) const;

    const AdvancedPageModel& model() const { return model_; }

    // Pointer settings: before each drawing of the page, the run's pointer settings, read from the
    // system at the first drawing (its refusals shown at once); `applied` is the snapshot.
    void preparePointerSettings(PointerSettings& pointer, DeviceConfigRecord& applied);

private:
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
