#pragma once

#include <windows.h>

#include "app/advanced_page_model.h"
#include "app/win/page_host.h"
#include "app/win/page_view.h"
#include "ui/win/unique_window.h"

// The Advanced Settings page under Windows: the macro lists and edits and the mouse-event header
// while the page is shown, the mouse-event list while it is open, and the event list's menu.
class AdvancedPageView : public PageView {
public:
    AdvancedPageView(PageHost& host, DeviceConfigRecord& record, const UiTexts& texts);

    void createControls() override;
    void destroyControls() override;
    void closeLists(const ListsToClose& lists) override;
    void carryOut(const ClickDecision& decision) override;
    bool onCommand(int id, int notification) override;
    bool preTranslateMessage(const MSG& message) override;
    void describe(ClickContext& context) const override;

    // A page build fills the macro controls; building the other page ends a running recording.
    void loadMacroPage();
    void endRecording();

    const AdvancedPageModel& model() const { return model_; }

    // Pointer settings: before each drawing of the page, the run's pointer settings, read from the
    // system at the first drawing (its refusals shown at once); `applied` is the snapshot.
    void preparePointerSettings(PointerSettings& pointer, DeviceConfigRecord& applied);

private:
    void show(const PageUpdate& update);
    void showEventListMenu();
    void deleteEventLine();

    PageHost& host_;
    AdvancedPageModel model_;
    UniqueWindow mouseEventHeaderText_;
    UniqueWindow mouseEventList_;
    UniqueWindow macroNameEdit_;
    UniqueWindow loopTimesEdit_;
    UniqueWindow macroListBox_;
    UniqueWindow eventListBox_;
};
