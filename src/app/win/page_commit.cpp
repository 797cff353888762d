#include <windows.h>

#include "app/win/app_messages.h"
#include "app/win/gorvik_dlg.h"
#include "config/config_file.h"
#include "config/win/notice_box.h"
#include "config/win/win32_config_file_writer.h"
#include "config/win/win32_profile_store.h"
#include "skin/win/skins_dialog.h"

ConfigFileResult CGorvikDlg::saveRecord(const ConfigState& config) {
    // The Windows writer reports GetLastError codes in the "Error Code is" box.
    Win32ConfigFileWriter writer;
    return saveConfigFile(config, paths_, writer);
}

void CGorvikDlg::saveButtonLabels() {
    Win32ProfileStore settingsFile(paths_.settingsPath);
    writeButtonLabels(settingsFile, texts_.settingsSection(), settings_);
}

void CGorvikDlg::showNoticeLater(const Notice& notice) {
    laterNotices_.push_back(notice);
    PostMessageW(hwnd(), kLaterNoticeMessage, 0, 0);
}

INT_PTR CGorvikDlg::onLaterNotice() {
    if (!laterNotices_.empty()) {
        const Notice notice = laterNotices_.front();
        laterNotices_.pop_front();
        showNotice(notice);
    }
    return result(0);
}

void CGorvikDlg::openSkinsDialog() {
    const std::optional<SkinChoice> choice =
        runSkinsDialog(hwnd(), dialogLook(), ui_.skinChoice(), skinsDialogTexts(texts_));
    if (!choice) {
        return;
    }
    Win32ProfileStore settingsFile(paths_.settingsPath);
    applySkinChoice(ui_, settingsFile, *choice);
    // The page images of the new skin go into the canvas made from the start-up main.png; the
    // window keeps its size.
    redrawShownPage(false);
    SetForegroundWindow(hwnd());
    ShowWindow(hwnd(), SW_SHOW);
}
