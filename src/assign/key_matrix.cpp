#include "assign/key_matrix.h"

namespace {

constexpr std::size_t kFirstFixedEntry = 14;
constexpr std::size_t kSecondFixedEntry = 15;

const AssignmentSet& assignmentSet(const DeviceConfigRecord& record, KeyMode keyMode) {
    return keyMode == KeyMode::ModeB ? record.setB : record.setA;
}

const SlotBytes& dpiSubChoices(const DeviceConfigRecord& record, KeyMode keyMode) {
    return keyMode == KeyMode::ModeB ? record.dpiSubChoiceB : record.dpiSubChoiceA;
}

// The firmware's buttons 4 and 5 sit in the opposite order of the program's slots 3 and 4.
std::size_t matrixEntryOfSlot(std::size_t slot) {
    if (slot == 3) {
        return 4;
    }
    if (slot == 4) {
        return 3;
    }
    return slot;
}

} // namespace

KeyMatrixEntry EncodeButtonFunction(const DeviceConfigRecord& record, KeyMode keyMode, std::size_t slot) {
    if (slot >= kButtonSlotCount) {
        return kEmptyEntry;
    }
    const AssignmentSet& set = assignmentSet(record, keyMode);
    switch (set.functionIndex[slot]) {
    case kLeftClick:
        return mouseEntry(kMouseLeft);
    case kRightClick:
        return mouseEntry(kMouseRight);
    case kMidClick:
        return mouseEntry(kMouseMiddle);
    case kForward:
        return mouseEntry(kMouseButton5);
    case kBackward:
        return mouseEntry(kMouseButton4);
    case kTripleClick:
        return fireEntry(kMouseLeft, kTripleClickSpeed, kTripleClickTimes);
    case kDpiSwitch:
        return dpiSwitchEntry(dpiSubChoices(record, keyMode)[slot]);
    case kRgbOnOff:
        return lightingToggleEntry();
    case kWindowsFunction:
        return consumerEntry(set.windowsUsageLow[slot], set.windowsUsageHigh[slot]);
    case kMultimedia:
        return consumerEntry(set.multimediaUsage[slot], 0);
    case kFireKey:
        return fireEntry(set.fireKeyCode[slot], set.fireKeySpeed[slot], set.fireKeyTimes[slot]);
    case kSingleKey:
        return keyboardEntry(0, set.singleKeyCode[slot], 0);
    case kComboKey:
        return keyboardEntry(set.comboModifiers[slot], set.comboFirstKey[slot], set.comboSecondKey[slot]);
    case kMacroKey:
        return macroEntry(set.macroRepeatMode[slot], set.macroNumber[slot]);
    case kKeyOff:
    default: // unassigned, or a damaged index
        return kEmptyEntry;
    }
}

KeyMatrix BuildKeyMatrix(const DeviceConfigRecord& record) {
    const KeyMode keyMode = record.modeBActive() ? KeyMode::ModeB : KeyMode::ModeA;
    KeyMatrix matrix{};
    for (std::size_t slot = 0; slot < kMatrixSlotCount; ++slot) {
        matrix[matrixEntryOfSlot(slot)] = EncodeButtonFunction(record, keyMode, slot);
    }
    matrix[kFirstFixedEntry] = mouseEntry(kMouseFixedF7);
    matrix[kSecondFixedEntry] = mouseEntry(kMouseFixedF8);
    return matrix;
}
