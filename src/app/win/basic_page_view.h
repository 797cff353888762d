#pragma once

#include <windows.h>

#include <array>

#include "app/basic_page_model.h"
#include "app/win/page_host.h"
#include "app/win/page_view.h"
#include "ui/win/scoped_handle.h"

// The Basic Settings page under Windows: the DPI stage swatches and the lighting texts while the
// page is shown, the drop-down lists while they are open.
class BasicPageView : public PageView {
public:
    BasicPageView(PageHost& host, DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts);

    void createControls() override;
    void destroyControls() override;
    void closeLists(const ListsToClose& lists) override;
    void carryOut(const ClickDecision& decision) override;
    bool onCommand(int id, int notification) override;
    bool preTranslateMessage(const MSG& message) override;
    void describe(ClickContext& context) const override;

    const BasicPageModel& model() const { return model_; }
    // The page's child windows, for tests: swatches 71..74 and texts 80..82 while shown.
    bool hasControls() const { return stageSwatches_[0].valid(); }

    // DPI stages and lighting panel.
    // The sensor whose DPI scale the page was drawn with.
    void setSensorType(uint8_t sensorType) { model_.setSensorType(sensorType); }

private:
    void show(const PageUpdate& update);
    void chooseStageColour(uint8_t stage);
    void refreshControls();
    // Assignment group.
    void showAssignmentLists();
    void chooseAssignment(int control, int notification);
    void hoverAssignmentList();
    // DPI stages and lighting panel.
    void showLightingLists();
    void chooseLightingEntry(int control, int notification);

    PageHost& host_;
    BasicPageModel model_;
    // DPI stages and lighting panel: the lighting fields' and lists' font when the normal one is too
    // wide for them; it outlives the controls that use it.
    UniqueFont lightingFont_;
    std::array<UniqueWindow, 7> assignmentLists_;
    UniqueWindow dpiSubList_;
    std::array<UniqueWindow, 3> lightingLists_;
    std::array<UniqueWindow, 4> stageSwatches_;
    std::array<UniqueWindow, 3> lightingTexts_;
};
