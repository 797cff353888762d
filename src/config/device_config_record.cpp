#include "config/device_config_record.h"

namespace {

constexpr SlotBytes kDefaultFunctions = {kLeftClick,  kRightClick, kMidClick,   kForward,
                                         kBackward,   kDpiSwitch,  kDpiSwitch,  kUnassigned,
                                         kUnassigned, kUnassigned, kUnassigned, kUnassigned};
constexpr std::size_t kFirstDpiSwitchSlot = 5;
constexpr std::size_t kSecondDpiSwitchSlot = 6;

} // namespace

void restoreDefaultAssignment(DeviceConfigRecord& record, KeyMode keyMode, std::size_t slot) {
    if (slot >= kButtonSlotCount) {
        return;
    }
    const bool modeA = keyMode == KeyMode::ModeA;
    (modeA ? record.setA : record.setB).functionIndex[slot] = kDefaultFunctions[slot];
    SlotBytes& dpiSubChoice = modeA ? record.dpiSubChoiceA : record.dpiSubChoiceB;
    if (slot == kFirstDpiSwitchSlot) {
        dpiSubChoice[slot] = 1;
    } else if (slot == kSecondDpiSwitchSlot) {
        dpiSubChoice[slot] = 2;
    }
}

void restoreDefaultAssignments(DeviceConfigRecord& record) {
    for (const KeyMode keyMode : {KeyMode::ModeA, KeyMode::ModeB}) {
        for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
            restoreDefaultAssignment(record, keyMode, slot);
        }
    }
}
