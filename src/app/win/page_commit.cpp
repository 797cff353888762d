#include <windows.h>

#include "app/commit_plan.h"
#include "app/win/app_messages.h"
#include "app/win/gorvik_dlg.h"
#include "app/win/pointer_message_boxes.h"
#include "config/config_file.h"
#include "config/win/win32_config_file_writer.h"
#include "config/win/win32_profile_store.h"
#include "skin/win/skins_dialog.h"

namespace {

// What Apply saves once the mouse has had its turn: the record to config.bin (reporting a failed
// save) and the button labels to the language's section of str.ini.
class MainWindowSaveSteps {
public:
    MainWindowSaveSteps(HWND owner, const std::wstring& applicationTitle, const ConfigState& config,
                        const DataPaths& paths, const AppSettings& settings, const wchar_t* labelSection)
        : owner_(owner), applicationTitle_(applicationTitle), config_(config), paths_(paths),
          settings_(settings), labelSection_(labelSection) {}

    void saveRecord() {
        // The Windows writer reports GetLastError codes in the "Error Code is" box.
        Win32ConfigFileWriter writer;
        const ConfigFileResult saved = saveConfigFile(config_, paths_, writer);
        if (saved.showsMessage()) {
            MessageBoxW(owner_, saved.messageText().c_str(), saved.messageCaption(applicationTitle_).c_str(),
                        MB_OK);
        }
    }

    void saveButtonLabels() {
        Win32ProfileStore settingsFile(paths_.settingsPath);
        writeButtonLabels(settingsFile, labelSection_, settings_);
    }

private:
    HWND owner_;
    const std::wstring& applicationTitle_;
    const ConfigState& config_;
    const DataPaths& paths_;
    const AppSettings& settings_;
    const wchar_t* labelSection_;
};

} // namespace

void CGorvikDlg::commit(ClickAction action) {
    const CommitPlan plan = commitPlanFor(action);
    std::optional<ApplyOutcome> outcome;
    if (plan.sendToDevice) {
        outcome = applyToDevice();
    }
    if (plan.takeSnapshot) {
        config_.takeSnapshot();
    }
    if (plan.applyPointerSettings) {
        applyPointerSettings();
    }
    if (plan.revertToSnapshot) {
        config_.revertToSnapshot();
    }
    if (plan.setRevertPending) {
        state_.revertPending = true;
    }
    if (plan.hideWindow) {
        hide();
    }
    if (outcome && !outcome->taken()) {
        // Shown once the click is handled, after the window has done everything else.
        PostMessageW(hwnd(), kApplyNotConfirmedMessage, 0, 0);
    }
}

ApplyOutcome CGorvikDlg::applyToDevice() {
    // The command interface may have gone away since the click was taken; the configuration is
    // saved all the same, whatever the mouse took, so nothing the user set is lost.
    const ApplyOutcome outcome = sendToMouse(config_.record);
    settingsSavedInRun_ = true;
    MainWindowSaveSteps saveSteps(hwnd(), applicationTitle_, config_, paths_, settings_,
                                  texts_.settingsSection());
    saveSteps.saveRecord();
    saveSteps.saveButtonLabels();
    return outcome;
}

// The mouse may not hold what the user just set: say so, and what to try. The settings are saved
// all the same.
INT_PTR CGorvikDlg::onApplyNotConfirmed() {
    MessageBoxW(hwnd(), texts_[TextKey::ApplyNotConfirmed].c_str(),
                texts_[TextKey::ApplyNotConfirmedCaption].c_str(), MB_OK | MB_ICONWARNING);
    return result(0);
}

// After the mouse had its turn: Windows takes the pointer settings, each refusal in its own box.
void CGorvikDlg::applyPointerSettings() {
    showPointerMessages(hwnd(), pointerSettings_.applyToSystem(deviceLink_.deviceConnected));
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
