#include "lang/maker_web_address.h"
#include "lang/text_table.h"

namespace {

constexpr TextEntry kEnglishEntries[] = {
    {TextKey::BasicSettings, L"Basic Settings"},
    {TextKey::AdvancedSettings, L"Advanced Settings"},
    {TextKey::Ok, L"OK"},
    {TextKey::Apply, L"Apply"},
    {TextKey::Cancel, L"Cancel"},
    {TextKey::MakerWebAddress, kMakerWebAddress},
    {TextKey::KeySetting, L"Key Setting"},
    {TextKey::ReportRateSetting, L"Report Rate Setting"},
    {TextKey::DpiSetting, L"DPI Setting"},
    {TextKey::KeyDefault, L"Default"},
    {TextKey::DpiEffectTitle, L"DPI Effect"},
    {TextKey::ModeLabel, L"Mode"},
    {TextKey::ParameterLabel, L"Parameter"},
    {TextKey::EffectLabel, L"Effect"},
    {TextKey::LeftClick, L"Left Click"},
    {TextKey::RightClick, L"Right Click"},
    {TextKey::MidClick, L"Mid Click"},
    {TextKey::Forward, L"Forward"},
    {TextKey::Backward, L"Backward"},
    {TextKey::TripleClick, L"Triple-click"},
    {TextKey::DpiSwitch, L"DPI Switch"},
    {TextKey::RgbOnOff, L"RGB On/Off"},
    {TextKey::Windows, L"Windows"},
    {TextKey::Multimedia, L"Multimedia"},
    {TextKey::FireKey, L"Fire Key"},
    {TextKey::SingleKey, L"Single Key"},
    {TextKey::ComboKey, L"Combo Key"},
    {TextKey::MacroKey, L"Macro Key"},
    {TextKey::KeyOff, L"Key Off"},
    {TextKey::LeftKeyRequired, L"Left key must be selected!"},
    {TextKey::ModeOff, L"Off"},
    {TextKey::ModeStandard, L"Standard"},
    {TextKey::ModeRespiration, L"Respiration"},
    {TextKey::ModeNeon, L"Neon"},
    // The misspelling is what users of earlier versions have always seen; it is kept on purpose.
    {TextKey::EffectNone, L"Non-Disolay"},
    {TextKey::EffectRgb, L"RGB Effect"},
    {TextKey::EffectRgbFlash, L"RGB Flash"},
    {TextKey::EffectRgbFixed, L"RGB Fixed On"},
    {TextKey::Rate1000Notice, L"Switch report rate into 1000HZ"},
    {TextKey::Rate500Notice, L"Switch report rate into 500HZ"},
    {TextKey::Rate250Notice, L"Switch report rate into 250HZ"},
    {TextKey::Rate125Notice, L"Switch report rate into 125HZ"},
    // The stage notices end in a blank: the stage's DPI label is appended to them.
    {TextKey::DpiStage1Notice, L"Switch DPI into the first stage "},
    {TextKey::DpiStage2Notice, L"Switch DPI into the second stage "},
    {TextKey::DpiStage3Notice, L"Switch DPI into the third stage "},
    {TextKey::DpiStage4Notice, L"Switch DPI into the fourth stage "},
    {TextKey::KeyMatrixNotice1, L"Switch to key matrix 1"},
    {TextKey::KeyMatrixNotice2, L"Switch to key matrix 2"},
    {TextKey::MacroKeyNotice, L"Switch to macro key"},
    {TextKey::Exit, L"Exit"},
    {TextKey::MouseNotFound, L"The system did not detect the gaming mouse!"},
    {TextKey::MouseFound, L"The system detect the gaming mouse."},
    {TextKey::MouseSpeed, L"Mouse Speed"},
    {TextKey::ScrollingSpeed, L"Scrolling Speed"},
    {TextKey::DoubleClickSpeed, L"Double-Click Speed"},
    {TextKey::EnhancePointerPrecision, L"Enhance Pointer Precision"},
    {TextKey::ScrollOneScreen, L"Scroll One Screen"},
    {TextKey::PointerDefault, L"Default"},
    {TextKey::MacroSetting, L"Macro Setting"},
    {TextKey::SelectMacroTitle, L"Select Macro"},
    {TextKey::KeyPressSequence, L"Key Press Sequence"},
    {TextKey::RecordOption, L"Record Option"},
    {TextKey::MacroName, L"Macro Name"},
    {TextKey::StartRecording, L"Start Recording"},
    {TextKey::StopRecording, L"Stop Recording"},
    {TextKey::LoopTimes, L"Loop Times"},
    {TextKey::InsertMouseEventButton, L"Insert A Mouse Event"},
    {TextKey::New, L"New"},
    {TextKey::Delete, L"Delete"},
    {TextKey::Confirm, L"Confirm"},
    {TextKey::MacroNameBlank, L"Macro name is blank"},
    {TextKey::MacroNameExists, L"Macro name already exists"},
    {TextKey::PressCtrlBreak, L"Press Ctrl+Break key to stop recording"},
    {TextKey::NotRecording, L"It doesn\u2019t start recording, unnecessary to press Stop key!"},
};

constexpr TextTable kEnglishTable = makeTextTable(kEnglishEntries);
static_assert(isCompleteTextTable(kEnglishTable), "every key needs an English text");

} // namespace

const TextTable& englishTextTable() {
    return kEnglishTable;
}
