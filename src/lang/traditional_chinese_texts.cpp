#include "lang/maker_web_address.h"
#include "lang/text_table.h"

namespace {

// The same wording as the Simplified table in Traditional characters, with the Taiwanese terms
// 巨集 (macro) and 滑鼠 (mouse).
constexpr TextEntry kTraditionalChineseEntries[] = {
    {TextKey::BasicSettings, L"基本設置"},
    {TextKey::AdvancedSettings, L"高級設置"},
    {TextKey::Ok, L"確定"},
    {TextKey::Apply, L"應用"},
    {TextKey::Cancel, L"取消"},
    {TextKey::MakerWebAddress, kMakerWebAddress},
    {TextKey::KeySetting, L"按鍵設置"},
    {TextKey::ReportRateSetting, L"報告率設置"},
    {TextKey::DpiSetting, L"DPI設置"},
    {TextKey::KeyDefault, L"按鍵恢復"},
    {TextKey::DpiEffectTitle, L"DPI顯示特效"},
    {TextKey::ModeLabel, L"模式"},
    {TextKey::ParameterLabel, L"參數"},
    {TextKey::EffectLabel, L"特效"},
    {TextKey::LeftClick, L"左鍵"},
    {TextKey::RightClick, L"右鍵"},
    {TextKey::MidClick, L"中鍵"},
    {TextKey::Forward, L"前進方向鍵"},
    {TextKey::Backward, L"後退方向鍵"},
    {TextKey::TripleClick, L"三連發"},
    {TextKey::DpiSwitch, L"DPI切換"},
    {TextKey::RgbOnOff, L"RGB打開/關閉"},
    {TextKey::Windows, L"Windows"},
    {TextKey::Multimedia, L"多媒體"},
    {TextKey::FireKey, L"火力鍵"},
    {TextKey::SingleKey, L"單鍵"},
    {TextKey::ComboKey, L"複合鍵"},
    {TextKey::MacroKey, L"巨集"},
    {TextKey::KeyOff, L"按鍵關閉"},
    {TextKey::LeftKeyRequired, L"左鍵功能必須選擇！"},
    {TextKey::ModeOff, L"關閉模式"},
    {TextKey::ModeStandard, L"標準模式"},
    {TextKey::ModeRespiration, L"呼吸模式"},
    {TextKey::ModeNeon, L"霓虹模式"},
    {TextKey::EffectNone, L"關閉"},
    {TextKey::EffectRgb, L"RGB特效"},
    {TextKey::EffectRgbFlash, L"RGB閃爍"},
    {TextKey::EffectRgbFixed, L"RGB常亮"},
    {TextKey::Rate1000Notice, L"報告率切換到1000HZ"},
    {TextKey::Rate500Notice, L"報告率切換到500HZ"},
    {TextKey::Rate250Notice, L"報告率切換到250HZ"},
    {TextKey::Rate125Notice, L"報告率切換到125HZ"},
    // The stage's DPI label follows directly, without a blank.
    {TextKey::DpiStage1Notice, L"DPI切換到第一段"},
    {TextKey::DpiStage2Notice, L"DPI切換到第二段"},
    {TextKey::DpiStage3Notice, L"DPI切換到第三段"},
    {TextKey::DpiStage4Notice, L"DPI切換到第四段"},
    {TextKey::KeyMatrixNotice1, L"切換到按鍵群組1"},
    {TextKey::KeyMatrixNotice2, L"切換到按鍵群組2"},
    {TextKey::MacroKeyNotice, L"切換到巨集"},
    {TextKey::Exit, L"退出"},
    {TextKey::MouseNotFound, L"系統沒有檢測到遊戲滑鼠！"},
    {TextKey::MouseFound, L"系統檢測到遊戲滑鼠。"},
    {TextKey::MouseSpeed, L"滑鼠速度"},
    {TextKey::ScrollingSpeed, L"滾輪速度"},
    {TextKey::DoubleClickSpeed, L"雙擊速度"},
    {TextKey::EnhancePointerPrecision, L"提高指針精確度"},
    {TextKey::ScrollOneScreen, L"一次滾動一個屏幕"},
    {TextKey::PointerDefault, L"恢復默認"},
    {TextKey::MacroSetting, L"巨集設置"},
    {TextKey::SelectMacroTitle, L"選擇巨集"},
    {TextKey::KeyPressSequence, L"按鍵順序"},
    {TextKey::RecordOption, L"錄製選項"},
    {TextKey::MacroName, L"巨集名稱"},
    {TextKey::StartRecording, L"開始錄製"},
    {TextKey::StopRecording, L"停止錄製"},
    {TextKey::LoopTimes, L"循環次數"},
    {TextKey::InsertMouseEventButton, L"插入一個滑鼠事件"},
    {TextKey::New, L"新建"},
    {TextKey::Delete, L"刪除"},
    {TextKey::Confirm, L"確認"},
    {TextKey::MacroNameBlank, L"巨集名稱為空"},
    {TextKey::MacroNameExists, L"巨集名稱已存在"},
    {TextKey::PressCtrlBreak, L"按Ctrl+Break可以停止錄製"},
    {TextKey::NotRecording, L"沒有開始錄製，點擊停止錄製按鈕沒有意義！"},
    // Pointer settings: the system calls that failed, named alike in every language
    {TextKey::PointerWarningCaption, L"Warning"},
    {TextKey::GetMouseSpeedFailed, L"GETMOUSESPEED failed."},
    {TextKey::GetWheelScrollLinesFailed, L"GETWHEELSCROLLLINES failed."},
    {TextKey::GetDoubleClickTimeFailed, L"GetDoubleClickTime failed."},
    {TextKey::SetMouseFailed, L"SETMOUSE failed."},
    {TextKey::SetMouseSpeedFailed, L"SETMOUSESPEED failed."},
    {TextKey::SetWheelScrollLinesFailed, L"SETWHEELSCROLLLINES failed."},
    {TextKey::SetDoubleClickTimeFailed, L"SPI_SETDOUBLECLICKTIME failed."},
};

constexpr TextTable kTraditionalChineseTable = makeTextTable(kTraditionalChineseEntries);
static_assert(isCompleteTextTable(kTraditionalChineseTable), "every key needs a Traditional Chinese text");

} // namespace

const TextTable& traditionalChineseTextTable() {
    return kTraditionalChineseTable;
}
