#include <windows.h>

#include <dbt.h>

#include "app/win/app_messages.h"
#include "app/win/gorvik_dlg.h"
#include "device/connection_exchange.h"
#include "device/device_change.h"
#include "device/interface_selection.h"
#include "device/device_notice.h"
#include "device/transport.h"
#include "device/win/device_broadcast.h"

INT_PTR CGorvikDlg::onDeviceEvent(WPARAM code, LPARAM value) {
    const std::optional<DeviceNotice> notice =
        deviceNotice(static_cast<unsigned>(code), static_cast<unsigned>(value), config_.record,
                     deviceLink_.sensorType, texts_);
    if (notice && trayIcon_) {
        trayIcon_->showBalloon(notice->title, notice->text, notice->timeoutMs);
        // A click on this balloon is no answer to an earlier offer of the settings.
        settingsOffered_ = false;
    }
    return result(0);
}

INT_PTR CGorvikDlg::onDeviceChange(WPARAM eventType, LPARAM broadcast) {
    const std::optional<DeviceChange> change = deviceChangeOf(static_cast<unsigned>(eventType));
    const std::optional<std::wstring_view> interfaceName = broadcastInterfaceName(broadcast);
    if (!change || !interfaceName || !isMouseInterfaceName(*interfaceName) || !backend_) {
        return result(TRUE);
    }
    const bool found = backend_->findDevice();
    deviceLink_.deviceConnected = found;
    carryOutDeviceChange(*change, found, *this);
    return result(TRUE);
}

void CGorvikDlg::showDeviceEvent(unsigned code) {
    SendMessageW(hwnd(), kDeviceEventMessage, code, 0);
}

void CGorvikDlg::greetArrivedMouse() {
    runConnectionExchange();
    PostMessageW(hwnd(), kArrivalCheckMessage, 0, 0);
}

void CGorvikDlg::runConnectionExchange() {
    HidPort* port = backend_->commandPort();
    if (port == nullptr) {
        return;
    }
    Transport transport(*port, backend_->pacer());
    DeviceImage image{};
    connectionExchange(transport, image);
    deviceLink_.sensorType = image.sensor.sensorType;
}
