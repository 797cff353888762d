#include "assign/button_function.h"

#include "assign/consumer_usages.h"
#include "assign/overloaded.h"

namespace {

KeyMatrixEntry plainEntry(uint8_t index) {
    switch (index) {
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
    case kRgbOnOff:
        return lightingToggleEntry();
    default: // Key Off, unassigned, or a damaged index
        return kEmptyEntry;
    }
}

} // namespace

uint8_t functionIndexOf(const ButtonFunction& function) {
    return std::visit(Overloaded{
                          [](const PlainFunction& f) { return f.index; },
                          [](const DpiSwitchFunction&) { return uint8_t{kDpiSwitch}; },
                          [](const WindowsKeyFunction&) { return uint8_t{kWindowsFunction}; },
                          [](const MultimediaKeyFunction&) { return uint8_t{kMultimedia}; },
                          [](const FireKeyFunction&) { return uint8_t{kFireKey}; },
                          [](const SingleKeyFunction&) { return uint8_t{kSingleKey}; },
                          [](const ComboKeyFunction&) { return uint8_t{kComboKey}; },
                          [](const MacroKeyFunction&) { return uint8_t{kMacroKey}; },
                      },
                      function);
}

WindowsKeyFunction windowsKeyFunction(std::size_t item) {
    return {static_cast<uint8_t>(item), WindowsUsage(item), WindowsUsageHighByte(item)};
}

MultimediaKeyFunction multimediaKeyFunction(std::size_t item) {
    return {static_cast<uint8_t>(item), MultimediaUsage(item)};
}

AssignmentSet& assignmentSetOf(DeviceConfigRecord& record, KeyMode keyMode) {
    return keyMode == KeyMode::ModeA ? record.setA : record.setB;
}

const AssignmentSet& assignmentSetOf(const DeviceConfigRecord& record, KeyMode keyMode) {
    return keyMode == KeyMode::ModeA ? record.setA : record.setB;
}

SlotBytes& dpiSubChoicesOf(DeviceConfigRecord& record, KeyMode keyMode) {
    return keyMode == KeyMode::ModeA ? record.dpiSubChoiceA : record.dpiSubChoiceB;
}

const SlotBytes& dpiSubChoicesOf(const DeviceConfigRecord& record, KeyMode keyMode) {
    return keyMode == KeyMode::ModeA ? record.dpiSubChoiceA : record.dpiSubChoiceB;
}

KeyMode activeKeyMode(const DeviceConfigRecord& record) {
    return record.modeBActive() ? KeyMode::ModeB : KeyMode::ModeA;
}

ButtonFunction ReadButtonFunction(const DeviceConfigRecord& record, KeyMode keyMode, std::size_t slot) {
    if (slot >= kButtonSlotCount) {
        return PlainFunction{};
    }
    const AssignmentSet& set = assignmentSetOf(record, keyMode);
    switch (set.functionIndex[slot]) {
    case kDpiSwitch:
        return DpiSwitchFunction{dpiSubChoicesOf(record, keyMode)[slot]};
    case kWindowsFunction:
        return WindowsKeyFunction{set.windowsItem[slot], set.windowsUsageLow[slot],
                                  set.windowsUsageHigh[slot]};
    case kMultimedia:
        return MultimediaKeyFunction{set.multimediaItem[slot], set.multimediaUsage[slot]};
    case kFireKey:
        return FireKeyFunction{set.fireKeyItem[slot], set.fireKeyCode[slot], set.fireKeySpeed[slot],
                               set.fireKeyTimes[slot]};
    case kSingleKey:
        return SingleKeyFunction{set.singleKeyCode[slot]};
    case kComboKey:
        return ComboKeyFunction{set.comboModifiers[slot], set.comboFirstKey[slot], set.comboSecondKey[slot]};
    case kMacroKey:
        return MacroKeyFunction{set.macroNumber[slot], set.macroRepeatMode[slot]};
    default:
        return PlainFunction{set.functionIndex[slot]};
    }
}

void WriteButtonFunction(DeviceConfigRecord& record, KeyMode keyMode, std::size_t slot,
                         const ButtonFunction& function) {
    if (slot >= kButtonSlotCount) {
        return;
    }
    AssignmentSet& set = assignmentSetOf(record, keyMode);
    set.functionIndex[slot] = functionIndexOf(function);
    std::visit(Overloaded{
                   [](const PlainFunction&) {},
                   [&](const DpiSwitchFunction& f) { dpiSubChoicesOf(record, keyMode)[slot] = f.choice; },
                   [&](const WindowsKeyFunction& f) {
                       set.windowsItem[slot] = f.item;
                       set.windowsUsageLow[slot] = f.usageLow;
                       set.windowsUsageHigh[slot] = f.usageHigh;
                   },
                   [&](const MultimediaKeyFunction& f) {
                       set.multimediaItem[slot] = f.item;
                       set.multimediaUsage[slot] = f.usage;
                   },
                   [&](const FireKeyFunction& f) {
                       set.fireKeyItem[slot] = f.item;
                       set.fireKeyCode[slot] = f.keyCode;
                       set.fireKeySpeed[slot] = f.speed;
                       set.fireKeyTimes[slot] = f.times;
                   },
                   [&](const SingleKeyFunction& f) { set.singleKeyCode[slot] = f.keyCode; },
                   [&](const ComboKeyFunction& f) {
                       set.comboModifiers[slot] = f.modifierMask;
                       set.comboFirstKey[slot] = f.firstKeyCode;
                       set.comboSecondKey[slot] = f.secondKeyCode;
                   },
                   [&](const MacroKeyFunction& f) {
                       set.macroNumber[slot] = f.macroNumber;
                       set.macroRepeatMode[slot] = f.repeatMode;
                   },
               },
               function);
}

KeyMatrixEntry EncodeButtonFunction(const ButtonFunction& function) {
    return std::visit(Overloaded{
                          [](const PlainFunction& f) { return plainEntry(f.index); },
                          [](const DpiSwitchFunction& f) { return dpiSwitchEntry(f.choice); },
                          [](const WindowsKeyFunction& f) { return consumerEntry(f.usageLow, f.usageHigh); },
                          [](const MultimediaKeyFunction& f) { return consumerEntry(f.usage, 0); },
                          [](const FireKeyFunction& f) { return fireEntry(f.keyCode, f.speed, f.times); },
                          [](const SingleKeyFunction& f) { return keyboardEntry(0, f.keyCode, 0); },
                          [](const ComboKeyFunction& f) {
                              return keyboardEntry(f.modifierMask, f.firstKeyCode, f.secondKeyCode);
                          },
                          [](const MacroKeyFunction& f) { return macroEntry(f.repeatMode, f.macroNumber); },
                      },
                      function);
}
