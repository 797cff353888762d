#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

inline constexpr uint16_t kMouseVendorId = 0x04D9;
inline constexpr uint16_t kMouseProductId = 0xA09F;

// What the device search learns about one HID collection: its device's IDs and its capabilities.
struct InterfaceDescription {
    uint16_t vendorId;
    uint16_t productId;
    uint16_t usagePage;
    uint16_t usage;
    uint16_t featureLength;
    uint16_t inputLength;
    uint16_t outputLength;
};

bool isMouseDevice(uint16_t vendorId, uint16_t productId);

// Whether a device-interface name from an arrival or removal broadcast belongs to the mouse. The name
// is searched case-sensitively for the vendor and product IDs in the two spellings Windows uses,
// "Vid_04d9&Pid_a09f" and "VID_04D9&PID_A09F"; any other spelling is not the mouse.
bool isMouseInterfaceName(std::wstring_view interfaceName);

// What the device search does with the collection it has just examined.
enum class InterfaceAction {
    Skip,               // not the mouse, or a collection of the mouse the program does not use
    OpenEvent,          // open the event interface for the reader, then go on searching
    OpenCommandAndStop, // open the command interface; the search ends here either way
};

// How the search stands after an open was tried.
enum class SearchState {
    Searching, // go on with the next collection
    Found,     // the command interface is open: the mouse is connected
    Failed,    // an open failed: the search ends without the mouse
};

// The decisions of the device search, fed one collection at a time in enumeration order. The search
// stops at the command interface, so the event interface is used only when it is listed before it.
// The platform loop calls examine() for every collection of the mouse, performs the action, and
// reports with opened() whether the open (both handles of the event interface) succeeded.
class InterfaceSearch {
public:
    InterfaceAction examine(const InterfaceDescription& description);
    SearchState opened(bool succeeded);

    SearchState state() const { return state_; }
    // The event interface that was opened last, if any; its input length is the event report length.
    const std::optional<InterfaceDescription>& eventInterface() const { return eventInterface_; }
    // The opened command interface, once the search has found the mouse.
    const std::optional<InterfaceDescription>& commandInterface() const { return commandInterface_; }

private:
    SearchState state_ = SearchState::Searching;
    InterfaceAction pending_ = InterfaceAction::Skip;
    InterfaceDescription pendingDescription_{};
    std::optional<InterfaceDescription> eventInterface_;
    std::optional<InterfaceDescription> commandInterface_;
};
