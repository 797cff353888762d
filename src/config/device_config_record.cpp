#include "config/device_config_record.h"

namespace {

constexpr SlotBytes kDefaultFunctions = {kLeftClick,  kRightClick, kMidClick,   kForward,
                                         kBackward,   kDpiSwitch,  kDpiSwitch,  kUnassigned,
                                         kUnassigned, kUnassigned, kUnassigned, kUnassigned};
constexpr std::size_t kFirstDpiSwitchSlot = 5;
constexpr std::size_t kSecondDpiSwitchSlot = 6;

void restoreSet(AssignmentSet& set, SlotBytes& dpiSubChoice) {
    set.functionIndex = kDefaultFunctions;
    dpiSubChoice[kFirstDpiSwitchSlot] = 1;
    dpiSubChoice[kSecondDpiSwitchSlot] = 2;
}

} // namespace

void restoreDefaultAssignments(DeviceConfigRecord& record) {
    restoreSet(record.setA, record.dpiSubChoiceA);
    restoreSet(record.setB, record.dpiSubChoiceB);
}
