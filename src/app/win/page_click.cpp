#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>
#include <windowsx.h>

#include "app/commit_plan.h"
#include "app/win/gorvik_dlg.h"
#include "settings/report_rate.h"

namespace {

Point pointOf(LPARAM position) {
    return {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
}

} // namespace

INT_PTR CGorvikDlg::onLeftButtonDown(LPARAM position) {
    const Point p = pointOf(position);
    const ClickDecision decision = dispatchClick(clickContext(), p);
    closeLists(decision.closeLists);
    carryOut(decision, p);
    // The system's own processing follows, as for every click.
    return FALSE;
}

ClickContext CGorvikDlg::clickContext() const {
    ClickContext context;
    context.activePage = state_.pages.activePage;
    context.deviceConnected = deviceLink_.deviceConnected;
    context.assignmentListOpen = controls_.assignmentListOpen;
    context.dpiSubListExists = controls_.dpiSubList.valid();
    context.lightingListOpen = controls_.lightingListOpen;
    context.mouseEventListOpen = controls_.mouseEventListOpen;
    for (std::size_t stage = 0; stage < context.dpiStageEnabled.size(); ++stage) {
        context.dpiStageEnabled[stage] = config_.record.dpiStageEnabled[stage] != 0;
    }
    return context;
}

void CGorvikDlg::closeLists(const ListsToClose& lists) {
    for (std::size_t button = 0; button < lists.assignmentList.size(); ++button) {
        if (lists.assignmentList[button]) {
            controls_.assignmentLists[button].reset();
            controls_.assignmentListOpen[button] = false;
        }
    }
    if (lists.dpiSubList) {
        controls_.dpiSubList.reset();
    }
    for (std::size_t list = 0; list < lists.lightingList.size(); ++list) {
        if (lists.lightingList[list]) {
            controls_.lightingLists[list].reset();
            controls_.lightingListOpen[list] = false;
        }
    }
    if (lists.mouseEventList) {
        controls_.mouseEventList.reset();
        controls_.mouseEventListOpen = false;
    }
}

void CGorvikDlg::carryOut(const ClickDecision& decision, Point p) {
    switch (decision.action) {
    case ClickAction::None:
        break;
    case ClickAction::DragWindow:
        dragWindow(p);
        break;
    case ClickAction::Ok:
    case ClickAction::Apply:
    case ClickAction::Cancel:
        commit(decision.action);
        break;
    case ClickAction::OpenSkinsDialog:
        openSkinsDialog();
        break;
    case ClickAction::HideWindow:
        hide();
        break;
    case ClickAction::Exit:
        exitProgram();
    case ClickAction::ShowBasicPage:
        buildBasicPage();
        break;
    case ClickAction::ShowAdvancedPage:
        buildAdvancedPage();
        break;
    case ClickAction::OpenWebLink:
        openWebLink();
        break;
    case ClickAction::SelectKeyMode:
        selectKeyMode(decision.first);
        break;
    case ClickAction::RestoreDefaultAssignments:
        restoreDefaultAssignments();
        break;
    case ClickAction::ToggleAssignmentList:
        toggleAssignmentList(decision.first);
        break;
    case ClickAction::SelectReportRate:
        selectReportRate(decision.first);
        break;
    case ClickAction::ToggleDpiStage:
        toggleDpiStage(decision.first);
        break;
    case ClickAction::ChooseStageColour:
        chooseStageColour(decision.first);
        break;
    case ClickAction::ToggleLightingList:
        toggleLightingList(decision.first);
        break;
    case ClickAction::SetDpiStep:
        setDpiStep(decision.first, decision.second);
        break;
    case ClickAction::TogglePointerPrecision:
        togglePointerPrecision();
        break;
    case ClickAction::ToggleScrollOneScreen:
        toggleScrollOneScreen();
        break;
    case ClickAction::RestorePointerDefaults:
        restorePointerDefaults();
        break;
    case ClickAction::StartMacroRecording:
        startMacroRecording();
        break;
    case ClickAction::StopMacroRecording:
        stopMacroRecording();
        break;
    case ClickAction::NewMacro:
        newMacro();
        break;
    case ClickAction::DeleteMacro:
        deleteMacro();
        break;
    case ClickAction::SaveMacro:
        saveMacro();
        break;
    case ClickAction::ToggleMouseEventList:
        toggleMouseEventList();
        break;
    case ClickAction::SetPointerSlider:
        setPointerSlider(decision.first, decision.second);
        break;
    }
}

void CGorvikDlg::dragWindow(Point p) {
    // The window has no caption: a press on an empty spot is handed to the system as a press on
    // one, so the window follows the pointer until the button is released.
    POINT screen{p.x, p.y};
    ClientToScreen(hwnd(), &screen);
    PostMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

void CGorvikDlg::openWebLink() {
    // Whether a browser could be started is not reported.
    ShellExecuteW(hwnd(), L"open", texts_[TextKey::MakerWebAddress].c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CGorvikDlg::selectReportRate(uint8_t segment) {
    const uint8_t code = reportIntervalCodeOfSegment(segment);
    if (code == 0) {
        return;
    }
    const uint8_t previous = reportRateSegmentOfCode(config_.record.reportIntervalCode);
    config_.record.reportIntervalCode = code;
    std::vector<PaintElement> segments;
    if (previous != 0) {
        segments.emplace_back(std::in_place_type<ImageElement>, SkinImage::ReportRateDark,
                              hotAreaRect(HotArea::ReportRateSegment, previous).topLeft());
    }
    segments.emplace_back(std::in_place_type<ImageElement>, SkinImage::ReportRateLight,
                          hotAreaRect(HotArea::ReportRateSegment, segment).topLeft());
    drawIntoCanvas(segments);
}

void CGorvikDlg::chooseStageColour(uint8_t stage) {
    static COLORREF customColours[16]{};
    // The chooser opens with its own defaults (black), not with the stage's colour.
    CHOOSECOLORW chooser{};
    chooser.lStructSize = sizeof(chooser);
    chooser.hwndOwner = hwnd();
    chooser.lpCustColors = customColours;
    if (!ChooseColorW(&chooser)) {
        return;
    }
    StageColor& colour = config_.record.stageColor[stage - 1u];
    colour.red = GetRValue(chooser.rgbResult);
    colour.blue = GetBValue(chooser.rgbResult);
    colour.green = GetGValue(chooser.rgbResult);
    if (const UniqueWindow& swatch = controls_.stageSwatches[stage - 1u]) {
        InvalidateRect(swatch.get(), nullptr, TRUE);
    }
}

// The clicks below belong to the assignment group, the DPI stages, the lighting panel, the pointer
// settings and the macro editor, which this window does not offer yet: the click is taken (it does
// not move the window) and changes nothing.
void CGorvikDlg::selectKeyMode(uint8_t) {}
void CGorvikDlg::restoreDefaultAssignments() {}
void CGorvikDlg::toggleAssignmentList(uint8_t) {}
void CGorvikDlg::toggleDpiStage(uint8_t) {}
void CGorvikDlg::toggleLightingList(uint8_t) {}
void CGorvikDlg::setDpiStep(uint8_t, uint8_t) {}
void CGorvikDlg::togglePointerPrecision() {}
void CGorvikDlg::toggleScrollOneScreen() {}
void CGorvikDlg::restorePointerDefaults() {}
void CGorvikDlg::startMacroRecording() {}
void CGorvikDlg::stopMacroRecording() {}
void CGorvikDlg::newMacro() {}
void CGorvikDlg::deleteMacro() {}
void CGorvikDlg::saveMacro() {}
void CGorvikDlg::toggleMouseEventList() {}
void CGorvikDlg::setPointerSlider(uint8_t, uint8_t) {}
