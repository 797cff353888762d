#include <windows.h>

#include "app/page_switch.h"
#include "app/win/gorvik_dlg.h"
#include "assign/default_button_labels.h"
#include "config/win/win32_profile_store.h"
#include "ui/win/mem_dc.h"

void CGorvikDlg::buildBasicPage() {
    buildPage(state_.pages, Page::Basic, *this);
}

void CGorvikDlg::buildAdvancedPage() {
    buildPage(state_.pages, Page::Advanced, *this);
}

PageFeature* CGorvikDlg::featureOf(Page page) {
    switch (page) {
    case Page::Basic:
        return &basicPage_;
    case Page::Advanced:
        return &advancedPage_;
    case Page::None:
        break;
    }
    return nullptr;
}

void CGorvikDlg::redrawShownPage(bool rereadSettings) {
    if (rereadSettings && state_.pages.activePage == Page::Basic) {
        // The labels edited since the last Apply go back to those in str.ini.
        Win32ProfileStore settingsFile(paths_.settingsPath);
        readSettings(settingsFile, texts_.settingsSection(), settings_);
    }
    rebuildShownPage(state_.pages, *this);
}

void CGorvikDlg::hidePage(Page page, bool pageChanges) {
    if (PageFeature* leaving = featureOf(page)) {
        leaving->hide(pageChanges);
        takeBackKeyboardFocus();
    }
}

void CGorvikDlg::showBuiltPage() {
    PageFeature* shown = shownPage();
    shown->prepare();
    repaintPage();
    if (windowOpened_) {
        shown->show();
    }
    hover_.showPage(state_.pages.activePage);
    keyboardFollowsPage();
}

void CGorvikDlg::takeBackKeyboardFocus() {
    // A destroyed control that had the keyboard leaves it with no window: keys would then reach the
    // active window only as system keys, which the Enter and Escape rule does not see.
    if (GetFocus() == nullptr && GetActiveWindow() == hwnd()) {
        SetFocus(hwnd());
    }
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

void CGorvikDlg::repaintPage() {
    if (PageFeature* page = shownPage()) {
        drawIntoCanvas(page->paint(paintInput()));
    }
}

PagePaintInput CGorvikDlg::paintInput() const {
    const ButtonLabels& labels =
        settings_.labels(config_.record.modeBActive() ? KeyMode::ModeB : KeyMode::ModeA);
    return {config_.record, [this](TextKey key) { return texts_[key]; }, labels,
            deviceLink_.sensorType.load(), switcher_ ? switcher_->profileInForce().value_or(L"") : L""};
}

PaintResources CGorvikDlg::paintResources() {
    return {ui_.skinFolderPath, normalFont_.get(), titleFont_.get(), ui_.uiTextColor, canvas_.images()};
}

void CGorvikDlg::drawIntoCanvas(const std::vector<PaintElement>& elements) {
    if (canvas_.bitmap() == nullptr) {
        return;
    }
    {
        CanvasPainter painter(hwnd(), canvas_.bitmap());
        drawPaintPlan(painter.dc(), elements, paintResources());
    }
    // The whole client area reached the window without the mark.
    focusMark_.forget();
    drawFocusMark();
}
