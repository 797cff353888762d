#pragma once

#include <windows.h>

#include <array>

#include "app/basic_page_model.h"
#include "app/win/page_feature.h"
#include "app/win/page_host.h"
#include "ui/win/scoped_handle.h"

// The Basic Settings page under Windows: the DPI stage swatches and the lighting texts while the
// page is shown, the drop-down lists while they are open.
class BasicPageView : public PageFeature {
public:
    BasicPageView(PageHost& host, DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts);

    void prepare() override {}
    // Clicks on the DPI scales land on the scale as drawn, for the sensor it is drawn for.
    std::vector<PaintElement> paint(const PagePaintInput& input) override;
    // Creates the page's controls from the model, every list closed.
    void show() override;
    void hide(bool pageChanges) override;
    PageClickModel& clickModel() override { return model_; }
    void showClick(const std::optional<PageUpdate>& update) override;
    bool command(int id, int notification) override;
    bool message(UINT, WPARAM) override { return false; }
    bool holdsKey(const MSG&) const override { return false; }
    bool preTranslateMessage(const MSG& message) override;
    std::span<const FocusStop> keyboardOrder() const override { return BasicPageModel::keyboardOrder(); }
    StopDescription describe(const FocusStop& stop) const override { return model_.describe(stop); }
    void stepScale(const FocusStop& stop, int step) override;
    bool keyInOpenList(UINT virtualKey) override;
    std::optional<ControlColourRule> controlColour(UINT message, HWND control,
                                                   TextColour uiTextColor) const override;

    const BasicPageModel& model() const { return model_; }

private:
    void show(const PageUpdate& update);
    // The list windows of the lists the model closed go.
    void dropClosedLists();
    void chooseStageColour(StageIndex stage);
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
    // The keyboard moves through the DPI sub-list (Right entered it) rather than the function list.
    bool keysInDpiSubList_ = false;
};
