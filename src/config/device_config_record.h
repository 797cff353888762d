#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The mouse's whole configuration as the program keeps it, saves it in config.bin and converts it
// for the device: 1985 bytes, byte-packed, no gaps. Every member is a byte or an array of bytes,
// so the struct can be copied to and from files and buffers as it stands.

inline constexpr std::size_t kButtonSlotCount = 12;
inline constexpr std::size_t kMacroSlotCount = 12;
inline constexpr std::size_t kMacroSlotSize = 128;
inline constexpr std::size_t kMacroEventStreamSize = 126;
inline constexpr std::size_t kDpiStageCount = 4;

using SlotBytes = std::array<uint8_t, kButtonSlotCount>;

// Function indexes of the assignment lists (the position of the entry in the list).
enum FunctionIndex : uint8_t {
    kLeftClick = 0,
    kRightClick = 1,
    kMidClick = 2,
    kForward = 3,
    kBackward = 4,
    kTripleClick = 5,
    kDpiSwitch = 6,
    kRgbOnOff = 7,
    kWindowsFunction = 8,
    kMultimedia = 9,
    kFireKey = 10,
    kSingleKey = 11,
    kComboKey = 12,
    kMacroKey = 13,
    kKeyOff = 14,
    kUnassigned = 15,
};

// The button assignments of one key mode: sixteen parallel arrays, entry n belongs to button slot n.
struct AssignmentSet {
    SlotBytes functionIndex;
    SlotBytes multimediaItem;
    SlotBytes multimediaUsage;
    SlotBytes windowsItem;
    SlotBytes windowsUsageLow;
    SlotBytes windowsUsageHigh;
    SlotBytes fireKeyItem;
    SlotBytes fireKeyCode;
    SlotBytes fireKeySpeed;
    SlotBytes fireKeyTimes;
    SlotBytes singleKeyCode;
    SlotBytes comboModifiers;
    SlotBytes comboFirstKey;
    SlotBytes comboSecondKey;
    SlotBytes macroNumber;
    SlotBytes macroRepeatMode;
};

// One device macro: a big-endian loop count and the encoded event stream, zero-filled after its end.
struct MacroSlot {
    std::array<uint8_t, 2> loopCountBigEndian;
    std::array<uint8_t, kMacroEventStreamSize> events;

    uint16_t loopCount() const {
        return static_cast<uint16_t>(loopCountBigEndian[0] << 8 | loopCountBigEndian[1]);
    }
    void setLoopCount(uint16_t count) {
        loopCountBigEndian[0] = static_cast<uint8_t>(count >> 8);
        loopCountBigEndian[1] = static_cast<uint8_t>(count & 0xFF);
    }
};

// A DPI stage colour as the record stores it: red, blue, green.
struct StageColor {
    uint8_t red;
    uint8_t blue;
    uint8_t green;
};

enum class KeyMode : uint8_t { ModeA = 0, ModeB = 1 };

struct DeviceConfigRecord {
    AssignmentSet setA;
    AssignmentSet setB;
    std::array<MacroSlot, kMacroSlotCount> macroSlots;
    std::array<uint8_t, 5> reserved0;
    uint8_t reportIntervalCode; // 1 = 1000 Hz, 2 = 500 Hz, 4 = 250 Hz, 8 = 125 Hz
    uint8_t reserved1;
    std::array<uint8_t, kDpiStageCount> dpiPosition;
    std::array<uint8_t, kDpiStageCount> dpiStageEnabled;
    std::array<StageColor, kDpiStageCount> stageColor;
    uint8_t lightingMode; // 1 = Standard, 2 = Respiration, 3 = Neon, 0 = off
    uint8_t standardBrightness;
    uint8_t respirationCycle;
    uint8_t neonCycle;
    uint8_t standardColorEffect;
    uint8_t respirationColorEffect;
    uint8_t neonColorEffect;
    uint8_t reserved2;
    uint8_t enhancePointerPrecision;
    uint8_t scrollOneScreen;
    uint8_t pointerSpeedPosition;
    uint8_t scrollLines;
    uint8_t doubleClickPosition;
    uint8_t keyMode; // KeyMode: 0 = Mode A, 1 = Mode B
    SlotBytes dpiSubChoiceA;
    SlotBytes dpiSubChoiceB;

    // Mode A only for 0: any other value (a hand-edited config.bin) means Mode B, for editing and
    // sending alike, so the set the user edits is always the set the mouse receives.
    bool modeBActive() const { return keyMode != 0; }
    AssignmentSet& activeSet() { return modeBActive() ? setB : setA; }
    const AssignmentSet& activeSet() const { return modeBActive() ? setB : setA; }
    SlotBytes& activeDpiSubChoice() { return modeBActive() ? dpiSubChoiceB : dpiSubChoiceA; }
    const SlotBytes& activeDpiSubChoice() const { return modeBActive() ? dpiSubChoiceB : dpiSubChoiceA; }
};

inline constexpr std::size_t kDeviceConfigRecordSize = 1985;

static_assert(sizeof(AssignmentSet) == 192);
static_assert(sizeof(MacroSlot) == kMacroSlotSize);
static_assert(sizeof(StageColor) == 3);
static_assert(sizeof(DeviceConfigRecord) == kDeviceConfigRecordSize);
static_assert(alignof(DeviceConfigRecord) == 1);
static_assert(offsetof(AssignmentSet, multimediaItem) == 0x0C);
static_assert(offsetof(AssignmentSet, windowsUsageHigh) == 0x3C);
static_assert(offsetof(AssignmentSet, fireKeyTimes) == 0x6C);
static_assert(offsetof(AssignmentSet, singleKeyCode) == 0x78);
static_assert(offsetof(AssignmentSet, macroRepeatMode) == 0xB4);
static_assert(offsetof(DeviceConfigRecord, setB) == 0x00C0);
static_assert(offsetof(DeviceConfigRecord, macroSlots) == 0x0180);
static_assert(offsetof(DeviceConfigRecord, reserved0) == 0x0780);
static_assert(offsetof(DeviceConfigRecord, reportIntervalCode) == 0x0785);
static_assert(offsetof(DeviceConfigRecord, reserved1) == 0x0786);
static_assert(offsetof(DeviceConfigRecord, dpiPosition) == 0x0787);
static_assert(offsetof(DeviceConfigRecord, dpiStageEnabled) == 0x078B);
static_assert(offsetof(DeviceConfigRecord, stageColor) == 0x078F);
static_assert(offsetof(DeviceConfigRecord, lightingMode) == 0x079B);
static_assert(offsetof(DeviceConfigRecord, neonColorEffect) == 0x07A1);
static_assert(offsetof(DeviceConfigRecord, reserved2) == 0x07A2);
static_assert(offsetof(DeviceConfigRecord, enhancePointerPrecision) == 0x07A3);
static_assert(offsetof(DeviceConfigRecord, doubleClickPosition) == 0x07A7);
static_assert(offsetof(DeviceConfigRecord, keyMode) == 0x07A8);
static_assert(offsetof(DeviceConfigRecord, dpiSubChoiceA) == 0x07A9);
static_assert(offsetof(DeviceConfigRecord, dpiSubChoiceB) == 0x07B5);

// Writes the default button functions into both key modes: left, right, middle, forward, backward,
// two DPI switches (stage 1 and stage 2), the rest unassigned. Nothing else changes.
void restoreDefaultAssignments(DeviceConfigRecord& record);
// The same for one button slot of one key mode; a slot past the end is ignored.
void restoreDefaultAssignment(DeviceConfigRecord& record, KeyMode keyMode, std::size_t slot);
