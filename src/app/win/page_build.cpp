#include <windows.h>

#include "app/page_control_layout.h"
#include "app/page_switch.h"
#include "app/ui_state.h"
#include "app/win/gorvik_dlg.h"
#include "assign/default_button_labels.h"
#include "config/win/win32_profile_store.h"
#include "settings/lighting_texts.h"
#include "skin/win/canvas_painter.h"

namespace {

RECT toRect(Rect r) {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

void CGorvikDlg::buildBasicPage() {
    carryOutPageBuild(buildPage(state_.pages, Page::Basic));
}

void CGorvikDlg::buildAdvancedPage() {
    carryOutPageBuild(buildPage(state_.pages, Page::Advanced));
}

void CGorvikDlg::tearDownPageControls(Page page) {
    switch (page) {
    case Page::Basic:
        controls_.destroyBasicPage();
        break;
    case Page::Advanced:
        controls_.destroyAdvancedPage();
        break;
    case Page::None:
        break;
    }
}

void CGorvikDlg::redrawShownPage(bool rereadSettings) {
    if (rereadSettings && state_.pages.activePage == Page::Basic) {
        // The labels edited since the last Apply go back to those in str.ini.
        Win32ProfileStore settingsFile(paths_.settingsPath);
        readSettings(settingsFile, texts_.settingsSection(), settings_);
    }
    carryOutPageBuild(rebuildShownPage(state_.pages));
}

void CGorvikDlg::carryOutPageBuild(const PageBuildPlan& plan) {
    if (!plan.build) {
        return;
    }
    tearDownPageControls(plan.tearDown);
    if (plan.firstBuildExchange) {
        runFirstBuildSteps();
    }
    const PagePaintInput input = paintInput();
    const bool basic = state_.pages.activePage == Page::Basic;
    drawIntoCanvas(basic ? basicPagePaint(input) : advancedPagePaint(input));
    if (basic) {
        createBasicPageControls();
    } else {
        createAdvancedPageControls();
    }
    hover_.showPage(state_.pages.activePage);
}

void CGorvikDlg::runFirstBuildSteps() {
    runConnectionExchange();
    if (config_.firstRunFlag == 0) {
        // config.bin was never saved by the program: the labels start as the defaults' names.
        storeDefaultButtonLabels(settings_, texts_);
        Win32ProfileStore settingsFile(paths_.settingsPath);
        writeButtonLabels(settingsFile, texts_.settingsSection(), settings_);
    }
}

void CGorvikDlg::createBasicPageControls() {
    const HFONT font = normalFont_.get();
    for (uint8_t stage = 1; stage <= controls_.stageSwatches.size(); ++stage) {
        UniqueWindow& swatch = controls_.stageSwatches[stage - 1u];
        if (!swatch) {
            swatch.reset(createPageControl(hwnd(), L"STATIC", L"", SS_CENTER,
                                           toRect(hotAreaRect(HotArea::DpiColourSwatch, stage)),
                                           PageControls::kFirstStageSwatchId + stage - 1, font));
        }
    }
    const LightingFieldTexts fields = lightingFieldTexts(config_.record, texts_);
    const std::array<const std::wstring*, 3> texts{&fields.mode, &fields.parameter, &fields.effect};
    const std::array<Rect, 3> rects{kLightingModeTextRect, kLightingParameterTextRect,
                                    kLightingEffectTextRect};
    for (std::size_t field = 0; field < texts.size(); ++field) {
        UniqueWindow& text = controls_.lightingTexts[field];
        if (!text) {
            text.reset(createPageControl(hwnd(), L"STATIC", texts[field]->c_str(), 0, toRect(rects[field]),
                                         PageControls::kFirstLightingTextId + static_cast<int>(field), font));
        }
    }
}

// The macro page's controls; filling them from record.ini and the macro area is the macro
// editor's.
void CGorvikDlg::createAdvancedPageControls() {
    const HFONT font = normalFont_.get();
    const HWND parent = hwnd();
    controls_.mouseEventHeaderText.reset(
        createPageControl(parent, L"STATIC", texts_[TextKey::InsertMouseEventButton].c_str(), 0,
                          toRect(kMouseEventHeaderTextRect), PageControls::kMouseEventHeaderTextId, font));
    controls_.macroNameEdit.reset(createPageControl(parent, L"EDIT", L"", ES_CENTER | ES_AUTOHSCROLL,
                                                    toRect(kMacroNameEditRect),
                                                    PageControls::kMacroNameEditId, font));
    controls_.loopTimesEdit.reset(
        createPageControl(parent, L"EDIT", L"", ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER,
                          toRect(kLoopTimesEditRect), PageControls::kLoopTimesEditId, font));
    const DWORD listStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    controls_.macroListBox.reset(createPageControl(
        parent, L"LISTBOX", L"", listStyle, toRect(kMacroListBoxRect), PageControls::kMacroListBoxId, font));
    controls_.eventListBox.reset(createPageControl(
        parent, L"LISTBOX", L"", listStyle, toRect(kEventListBoxRect), PageControls::kEventListBoxId, font));
}

PagePaintInput CGorvikDlg::paintInput() const {
    const ButtonLabels& labels =
        settings_.labels(config_.record.modeBActive() ? KeyMode::ModeB : KeyMode::ModeA);
    return {config_.record, [this](TextKey key) { return texts_[key]; }, labels,
            deviceLink_.sensorType.load()};
}

PaintResources CGorvikDlg::paintResources() {
    return {uiState().skinFolderPath, normalFont_.get(), titleFont_.get(), uiState().uiTextColor, &images_};
}

void CGorvikDlg::drawIntoCanvas(const std::vector<PaintElement>& elements) {
    if (!backgroundBitmap_) {
        return;
    }
    CanvasPainter painter(hwnd(), backgroundBitmap_.get());
    drawPaintPlan(painter.dc(), elements, paintResources());
}
