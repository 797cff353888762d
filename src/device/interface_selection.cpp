#include "device/interface_selection.h"

namespace {

constexpr uint16_t kEventUsagePage = 0xFF01;
constexpr uint16_t kEventUsage = 0xFF01;
constexpr uint16_t kCommandUsagePage = 0xFF00;
constexpr uint16_t kCommandUsage = 0xFF00;

bool isEventInterface(const InterfaceDescription& d) {
    return d.usagePage == kEventUsagePage && d.usage == kEventUsage && d.inputLength != 0;
}

bool isCommandInterface(const InterfaceDescription& d) {
    return d.usagePage == kCommandUsagePage && d.usage == kCommandUsage && d.featureLength != 0;
}

} // namespace

bool isMouseDevice(uint16_t vendorId, uint16_t productId) {
    return vendorId == kMouseVendorId && productId == kMouseProductId;
}

bool isMouseInterfaceName(std::wstring_view interfaceName) {
    return interfaceName.find(L"Vid_04d9&Pid_a09f") != std::wstring_view::npos ||
           interfaceName.find(L"VID_04D9&PID_A09F") != std::wstring_view::npos;
}

InterfaceAction InterfaceSearch::examine(const InterfaceDescription& description) {
    pending_ = InterfaceAction::Skip;
    if (state_ != SearchState::Searching || !isMouseDevice(description.vendorId, description.productId)) {
        return pending_;
    }
    if (isEventInterface(description)) {
        pending_ = InterfaceAction::OpenEvent;
    } else if (isCommandInterface(description)) {
        pending_ = InterfaceAction::OpenCommandAndStop;
    }
    pendingDescription_ = description;
    return pending_;
}

SearchState InterfaceSearch::opened(bool succeeded) {
    const InterfaceAction action = pending_;
    pending_ = InterfaceAction::Skip;
    if (state_ != SearchState::Searching || action == InterfaceAction::Skip) {
        return state_;
    }
    if (!succeeded) {
        state_ = SearchState::Failed;
    } else if (action == InterfaceAction::OpenEvent) {
        eventInterface_ = pendingDescription_;
    } else {
        commandInterface_ = pendingDescription_;
        state_ = SearchState::Found;
    }
    return state_;
}
