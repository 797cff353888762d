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
    // The mouse and the program agree: the notice after Apply, the arrival balloon, the tray option
    ApplyNotConfirmedCaption,
    ApplyNotConfirmed,
    MouseSettingsDiffer,
    ApplyOnConnect,
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
    // The skinned dialogs' frame buttons and the skins dialog
    DialogOk,
    DialogCancel,
    SkinsColourPrompt,
    // Start-up without a skin that can be drawn; the Skins folder's path follows on its own line
    NoCompleteSkin,
    // Macro messages
    MacroNameBlank,
    MacroNameExists,
    PressCtrlBreak,
    NotRecording,
    // Macro store refusal and the macro-key dialog
    MacroTooLong,
    MacroFileNotWritten,
    SelectMacroPrompt,
    MacroRepeatCount,
    MacroRepeatUntilKeyPress,
    MacroRepeatUntilReleased,

    // Pointer settings: the system calls that failed, named alike in every language
    PointerWarningCaption,
    GetMouseSpeedFailed,
    GetWheelScrollLinesFailed,
    GetDoubleClickTimeFailed,
    SetMouseFailed,
    SetMouseSpeedFailed,
    SetWheelScrollLinesFailed,
    SetDoubleClickTimeFailed,

    // Function dialogs: single key, fire key, delay time, multimedia and Windows-function items
    SingleKeyPrompt,
    FireSpeedCaption,
    FireTimesCaption,
    FireSpeedNote,
    FireTimesNote,
    DelayPrompt,
    DelayRangeNote,
    MultimediaNext,
    MultimediaPrevious,
    MultimediaStop,
    MultimediaPlayPause,
    MultimediaMute,
    MultimediaVolumeUp,
    MultimediaVolumeDown,
    WindowsMediaPlayer,
    WindowsMail,
    WindowsCalculator,
    WindowsMyComputer,
    WindowsBrowserSearch,
    WindowsBrowserHome,
    WindowsBrowserBack,
    WindowsBrowserForward,
    WindowsBrowserStop,
    WindowsBrowserRefresh,
    WindowsBrowserFavorites,

    // Keyboard and screen-reader names of the areas that show no text of their own; "{}" stands for
    // the number of the button, the stage or the rate
    AccessSkins,
    AccessMinimise,
    AccessClose,
    AccessButtonBox,
    AccessKeyModeA,
    AccessKeyModeB,
    AccessReportRate,
    AccessDpiStage,
    AccessDpiStageOn,
    AccessDpiStageColour,
    AccessPress,
    // The fields and drop-downs of the skinned dialogs whose labels only the background image shows
    AccessModifierKey,
    AccessFirstKey,
    AccessSecondKey,
    AccessProgramName,
    // The key-capture dialogs' way to OK and Cancel that no captured key can be mistaken for
    CaptureDialogShortcuts,

    // Profiles: refusals of the Profiles folder (a detail line may follow) and the switch balloon
    ProfileNameNotAllowed,
    ProfileNameExists,
    ProfileMissing,
    ProfileNotWritten,
    ProfileFileRefused,
    ProgramNameNotAllowed,
    ProgramInOtherProfile,
    ProfileInUse,
    // The notification menu's submenu of the profiles, the Profiles dialog's title and its item there
    Profiles,
    // The Profiles dialog: the name field, its buttons, the programs that switch to the selected
    // profile, the options, and the file dialogs' filter ("Profiles (*.toml)")
    ProfileNameCaption,
    ProfileSaveNew,
    ProfileRename,
    ProfileImport,
    ProfileExport,
    ProfilePrograms,
    ProgramAdd,
    ProgramsRunning,
    ProgramRemove,
    ProfileSwitchBalloonOption,
    ProfileFileFilter,
    // The Profiles submenu's item that opens the dialog
    ProfilesDialogItem,
    // Before the name of the profile in force in the main window's title bar
    ProfileInForceCaption,
    // A profile put in force whose macros (record.ini) or button labels (str.ini) could not be written
    ProfileFilesNotWritten,

    Count
};

inline constexpr std::size_t kTextKeyCount = static_cast<std::size_t>(TextKey::Count);
