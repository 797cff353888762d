#include <windows.h>

#include "app/commit_service.h"
#include "app/win/app_messages.h"
#include "app/win/gorvik_dlg.h"
#include "config/win/win32_profile_store.h"
#include "device/apply_configuration.h"
#include "device/arrival_check.h"
#include "device/transport.h"

namespace {

// The device balloons' title; the same in every language.
constexpr wchar_t kInfoTitle[] = L"Info";
// Long enough to read the offer and click it.
constexpr unsigned kOfferTimeoutMs = 10000;

} // namespace

// The device steps of Apply for `record`: nothing is saved here.
ApplyOutcome CGorvikDlg::sendToMouse(const DeviceConfigRecord& record) {
    HidPort* port = backend_ ? backend_->commandPort() : nullptr;
    if (port == nullptr) {
        return ApplyOutcome{ApplyOutcome::Result::NoMouse, {}, {}, {}};
    }
    Transport transport(*port, backend_->pacer());
    DeviceImage image{};
    return applyConfiguration(transport, record, deviceLink_.sensorType, image);
}

// Posted once the connection exchange of an arrival is done, so the window handles what came
// before it first. The program's settings are those of config.bin (the snapshot), never edits
// not yet applied.
INT_PTR CGorvikDlg::onArrivalCheck() {
    if (!deviceLink_.deviceConnected) {
        return result(0);
    }
    const bool settingsSaved = config_.firstRunFlag != 0 || commit_.savedInRun();
    switch (arrivalAction(sendOnArrival_, settingsSaved)) {
    case ArrivalAction::SendSettings:
        if (!sendToMouse(config_.appliedRecord).taken()) {
            showNoticeLater(applyNotConfirmedNotice());
        }
        break;
    case ArrivalAction::Compare: {
        HidPort* port = backend_ ? backend_->commandPort() : nullptr;
        if (port == nullptr || !trayIcon_) {
            break;
        }
        Transport transport(*port, backend_->pacer());
        if (checkArrivedMouse(transport, config_.appliedRecord).agreement == MouseAgreement::Differs) {
            trayIcon_->showBalloon(kInfoTitle, texts_[TextKey::MouseSettingsDiffer], kOfferTimeoutMs);
            settingsOffered_ = true;
        }
        break;
    }
    case ArrivalAction::Nothing:
        break;
    }
    return result(0);
}

// A mouse that stayed plugged in through sleep may have lost its settings on the way.
INT_PTR CGorvikDlg::onPowerBroadcast(WPARAM event) {
    if (event == PBT_APMRESUMEAUTOMATIC && deviceLink_.deviceConnected) {
        PostMessageW(hwnd(), kArrivalCheckMessage, 0, 0);
    }
    return result(TRUE);
}

void CGorvikDlg::onBalloonClicked() {
    if (!settingsOffered_) {
        return;
    }
    settingsOffered_ = false;
    if (!sendToMouse(config_.appliedRecord).taken()) {
        showNoticeLater(applyNotConfirmedNotice());
    }
}

void CGorvikDlg::toggleSendOnArrival() {
    sendOnArrival_ = !sendOnArrival_;
    Win32ProfileStore settingsFile(paths_.settingsPath);
    writeSendOnArrival(settingsFile, sendOnArrival_);
}
