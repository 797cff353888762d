#include "app/commit_service.h"

#include <cstring>
#include <optional>

Notice applyNotConfirmedNotice() {
    return {TextKey::ApplyNotConfirmed, TextKey::ApplyNotConfirmedCaption, NoticeKind::Warning};
}

CommitService::CommitService(ConfigState& config, PointerSettings& pointer, CommitPorts& ports)
    : config_(config), pointer_(pointer), ports_(ports) {}

void CommitService::ok(bool deviceConnected) {
    send(deviceConnected, true);
}

void CommitService::apply(bool deviceConnected) {
    send(deviceConnected, false);
}

void CommitService::cancel() {
    config_.revertToSnapshot();
    ports_.hideWindow();
}

void CommitService::putProfileInForce(bool deviceConnected, bool send) {
    const bool notConfirmed = deviceConnected && send && !ports_.sendToMouse(config_.record).taken();
    save(deviceConnected, false);
    if (notConfirmed) {
        ports_.showNoticeLater(applyNotConfirmedNotice());
    }
}

bool CommitService::editsPending() const {
    return std::memcmp(&config_.record, &config_.appliedRecord, sizeof config_.record) != 0;
}

void CommitService::send(bool deviceConnected, bool hide) {
    // The command interface may have gone away since the click was taken.
    const ApplyOutcome outcome = ports_.sendToMouse(config_.record);
    save(deviceConnected, true);
    if (hide) {
        ports_.hideWindow();
    }
    if (!outcome.taken()) {
        ports_.showNoticeLater(applyNotConfirmedNotice());
    }
}

void CommitService::save(bool deviceConnected, bool labels) {
    savedInRun_ = true;
    if (const std::optional<Notice> notice = ports_.saveRecord(config_).notice()) {
        ports_.showNotice(*notice);
    }
    if (labels) {
        ports_.saveButtonLabels();
    }
    config_.takeSnapshot();
    for (const Notice& notice : pointer_.applyToSystem(deviceConnected)) {
        ports_.showNotice(notice);
    }
}
