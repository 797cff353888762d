#pragma once

#include <cstddef>

// Every language-dependent text of the main window, named by where it is used.
enum class TextKey : std::size_t {
    // Page tabs and main buttons
    BasicSettings,
    AdvancedSettings,
    Ok,
    Apply,
    Cancel,
    MakerWebAddress,
    // Basic page panels
    KeySetting,
    ReportRateSetting,
    DpiSetting,
    KeyDefault,
    DpiEffectTitle,
    ModeLabel,
    ParameterLabel,
    EffectLabel,
    // Button function names, in assignment-list order
    LeftClick,
    RightClick,
    MidClick,
    Forward,
    Backward,
    TripleClick,
    DpiSwitch,
    RgbOnOff,
    Windows,
    Multimedia,
    FireKey,
    SingleKey,
    ComboKey,
    MacroKey,
    KeyOff,
    LeftKeyRequired,
    // Lighting
    ModeOff,
    ModeStandard,
    ModeRespiration,
    ModeNeon,
    EffectNone,
    EffectRgb,
    EffectRgbFlash,
    EffectRgbFixed,
    // Device notices and the notification-area menu
    Rate1000Notice,
    Rate500Notice,
    Rate250Notice,
    Rate125Notice,
    DpiStage1Notice,
    DpiStage2Notice,
    DpiStage3Notice,
    DpiStage4Notice,
    KeyMatrixNotice1,
    KeyMatrixNotice2,
    MacroKeyNotice,
    Exit,
    MouseNotFound,
    MouseFound,
    // Advanced page
    MouseSpeed,
    ScrollingSpeed,
    DoubleClickSpeed,
    EnhancePointerPrecision,
    ScrollOneScreen,
    PointerDefault,
    MacroSetting,
    SelectMacroTitle,
    KeyPressSequence,
    RecordOption,
    MacroName,
    StartRecording,
    StopRecording,
    LoopTimes,
    InsertMouseEventButton,
    New,
    Delete,
    Confirm,
    // Macro messages
    MacroNameBlank,
    MacroNameExists,
    PressCtrlBreak,
    NotRecording,

    // Pointer settings: the system calls that failed, named alike in every language
    PointerWarningCaption,
    GetMouseSpeedFailed,
    GetWheelScrollLinesFailed,
    GetDoubleClickTimeFailed,
    SetMouseFailed,
    SetMouseSpeedFailed,
    SetWheelScrollLinesFailed,
    SetDoubleClickTimeFailed,

    Count
};

inline constexpr std::size_t kTextKeyCount = static_cast<std::size_t>(TextKey::Count);
