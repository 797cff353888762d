#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "lang/language.h"

namespace {

struct QuotedText {
    TextKey key;
    Language language;
    std::wstring_view expected;
};

class QuotedTextTest : public ::testing::TestWithParam<QuotedText> {};

TEST_P(QuotedTextTest, TextIsExactlyAsWritten) {
    const QuotedText& q = GetParam();
    EXPECT_EQ(uiText(q.language, q.key), q.expected);
}

constexpr Language EN = Language::English;
constexpr Language DE = Language::German;
constexpr Language CHS = Language::SimplifiedChinese;
constexpr Language CHT = Language::TraditionalChinese;

// English texts whose exact form matters: trailing blanks, the old misspelling, the curly apostrophe.
INSTANTIATE_TEST_SUITE_P(
    English, QuotedTextTest,
    ::testing::Values(QuotedText{TextKey::EffectNone, EN, L"Non-Disolay"},
                      QuotedText{TextKey::DpiStage1Notice, EN, L"Switch DPI into the first stage "},
                      QuotedText{TextKey::DpiStage4Notice, EN, L"Switch DPI into the fourth stage "},
                      QuotedText{TextKey::Rate125Notice, EN, L"Switch report rate into 125HZ"},
                      QuotedText{TextKey::KeyMatrixNotice2, EN, L"Switch to key matrix 2"},
                      QuotedText{TextKey::MouseFound, EN, L"The system detect the gaming mouse."},
                      QuotedText{TextKey::MouseNotFound, EN, L"The system did not detect the gaming mouse!"},
                      QuotedText{TextKey::TripleClick, EN, L"Triple-click"},
                      QuotedText{TextKey::InsertMouseEventButton, EN, L"Insert A Mouse Event"},
                      QuotedText{TextKey::LeftKeyRequired, EN, L"Left key must be selected!"},
                      QuotedText{TextKey::NotRecording, EN,
                                 L"It doesn\u2019t start recording, unnecessary to press Stop key!"}));

INSTANTIATE_TEST_SUITE_P(
    German, QuotedTextTest,
    ::testing::Values(
        QuotedText{TextKey::BasicSettings, DE, L"Einstellungen"},
        QuotedText{TextKey::KeyDefault, DE, L"Standard"},
        QuotedText{TextKey::PointerDefault, DE, L"Standard"},
        QuotedText{TextKey::LeftKeyRequired, DE, L"Linksklick kann nicht geändert werden!"},
        QuotedText{TextKey::DpiEffectTitle, DE, L"Leuchteffekt"},
        QuotedText{TextKey::ParameterLabel, DE, L"Beleuchtung"},
        QuotedText{TextKey::ModeOff, DE, L"Off Mode"}, QuotedText{TextKey::ModeRespiration, DE, L"Breathing"},
        QuotedText{TextKey::EffectNone, DE, L"Non-Display"},
        QuotedText{TextKey::EffectRgb, DE, L"RGB Effekt"},
        QuotedText{TextKey::EffectRgbFlash, DE, L"RGB pulsierend"},
        QuotedText{TextKey::EffectRgbFixed, DE, L"RGB dauerhaft"},
        QuotedText{TextKey::Rate1000Notice, DE, L"Polling Rate 1000HZ"},
        QuotedText{TextKey::Rate500Notice, DE, L"Polling Rate 500HZ"},
        QuotedText{TextKey::DpiStage1Notice, DE, L"DPI Stufe 1 "},
        QuotedText{TextKey::DpiStage2Notice, DE, L"DPI Stufe 2 "},
        QuotedText{TextKey::KeyMatrixNotice1, DE, L"Key Matrix 1"},
        QuotedText{TextKey::KeyMatrixNotice2, DE, L"Key Matrix 2"},
        QuotedText{TextKey::MacroKeyNotice, DE, L"Macro Key"},
        QuotedText{TextKey::MouseNotFound, DE, L"Gaming Maus Krello Marrowin² konnte nicht gefunden werden!"},
        QuotedText{TextKey::MouseFound, DE, L"Krello Marrowin² Gaming Maus wurde erkannt."},
        QuotedText{TextKey::StartRecording, DE, L"Aufnahme"},
        QuotedText{TextKey::InsertMouseEventButton, DE, L"Record Mouse Event"},
        QuotedText{TextKey::MacroNameBlank, DE, L"Bitte Makro-Name eingeben!"},
        QuotedText{TextKey::PressCtrlBreak, DE, L"Drücken Sie Strg+Pause um die Aufnahme zu beenden"},
        QuotedText{TextKey::NotRecording, DE,
                   L"Es nimmt gerade nicht auf, Stop muss nicht gedrückt werden. "},
        QuotedText{TextKey::Exit, DE, L"Exit"}, QuotedText{TextKey::Delete, DE, L"Löschen"}));

INSTANTIATE_TEST_SUITE_P(
    Chinese, QuotedTextTest,
    ::testing::Values(
        QuotedText{TextKey::BasicSettings, CHS, L"基本设置"},
        QuotedText{TextKey::BasicSettings, CHT, L"基本設置"},
        QuotedText{TextKey::KeyDefault, CHS, L"按键恢复"}, QuotedText{TextKey::KeyDefault, CHT, L"按鍵恢復"},
        QuotedText{TextKey::PointerDefault, CHS, L"恢复默认"},
        QuotedText{TextKey::PointerDefault, CHT, L"恢復默認"},
        QuotedText{TextKey::LeftKeyRequired, CHS, L"左键功能必须选择！"},
        QuotedText{TextKey::LeftKeyRequired, CHT, L"左鍵功能必須選擇！"},
        QuotedText{TextKey::DpiEffectTitle, CHS, L"DPI显示特效"},
        QuotedText{TextKey::DpiEffectTitle, CHT, L"DPI顯示特效"},
        QuotedText{TextKey::ParameterLabel, CHS, L"参数"}, QuotedText{TextKey::ParameterLabel, CHT, L"參數"},
        QuotedText{TextKey::ModeOff, CHS, L"关闭模式"}, QuotedText{TextKey::ModeOff, CHT, L"關閉模式"},
        QuotedText{TextKey::ModeRespiration, CHS, L"呼吸模式"},
        QuotedText{TextKey::ModeRespiration, CHT, L"呼吸模式"}, QuotedText{TextKey::EffectNone, CHS, L"关闭"},
        QuotedText{TextKey::EffectNone, CHT, L"關閉"}, QuotedText{TextKey::EffectRgbFlash, CHS, L"RGB闪烁"},
        QuotedText{TextKey::EffectRgbFlash, CHT, L"RGB閃爍"},
        QuotedText{TextKey::EffectRgbFixed, CHS, L"RGB常亮"},
        QuotedText{TextKey::EffectRgbFixed, CHT, L"RGB常亮"},
        QuotedText{TextKey::Rate1000Notice, CHS, L"报告率切换到1000HZ"},
        QuotedText{TextKey::Rate1000Notice, CHT, L"報告率切換到1000HZ"},
        QuotedText{TextKey::Rate500Notice, CHS, L"报告率切换到500HZ"},
        QuotedText{TextKey::DpiStage1Notice, CHS, L"DPI切换到第一段"},
        QuotedText{TextKey::DpiStage1Notice, CHT, L"DPI切換到第一段"},
        QuotedText{TextKey::DpiStage2Notice, CHS, L"DPI切换到第二段"},
        QuotedText{TextKey::KeyMatrixNotice1, CHS, L"切换到按键组1"},
        QuotedText{TextKey::KeyMatrixNotice1, CHT, L"切換到按鍵群組1"},
        QuotedText{TextKey::MacroKeyNotice, CHS, L"切换到宏"},
        QuotedText{TextKey::MacroKeyNotice, CHT, L"切換到巨集"},
        QuotedText{TextKey::MouseNotFound, CHS, L"系统没有检测到游戏鼠标！"},
        QuotedText{TextKey::MouseNotFound, CHT, L"系統沒有檢測到遊戲滑鼠！"},
        QuotedText{TextKey::MouseFound, CHS, L"系统检测到游戏鼠标。"},
        QuotedText{TextKey::MouseFound, CHT, L"系統檢測到遊戲滑鼠。"},
        QuotedText{TextKey::StartRecording, CHS, L"开始录制"},
        QuotedText{TextKey::StartRecording, CHT, L"開始錄製"},
        QuotedText{TextKey::InsertMouseEventButton, CHS, L"插入一个鼠标事件"},
        QuotedText{TextKey::InsertMouseEventButton, CHT, L"插入一個滑鼠事件"},
        QuotedText{TextKey::MacroNameBlank, CHS, L"宏名称为空"},
        QuotedText{TextKey::MacroNameBlank, CHT, L"巨集名稱為空"},
        QuotedText{TextKey::PressCtrlBreak, CHS, L"按Ctrl+Break可以停止录制"},
        QuotedText{TextKey::PressCtrlBreak, CHT, L"按Ctrl+Break可以停止錄製"},
        QuotedText{TextKey::NotRecording, CHS, L"没有开始录制,点击停止录制按钮没有意义！"},
        QuotedText{TextKey::NotRecording, CHT, L"沒有開始錄製，點擊停止錄製按鈕沒有意義！"},
        QuotedText{TextKey::Exit, CHS, L"退出"}, QuotedText{TextKey::Delete, CHS, L"删除"},
        QuotedText{TextKey::Delete, CHT, L"刪除"}));

// The entries of the button assignment lists, in list order, in all four languages.
struct FunctionNames {
    TextKey key;
    std::wstring_view english, german, simplified, traditional;
};

constexpr FunctionNames kFunctionNames[] = {
    {TextKey::LeftClick, L"Left Click", L"Linksklick", L"左键", L"左鍵"},
    {TextKey::RightClick, L"Right Click", L"Rechtsklick", L"右键", L"右鍵"},
    {TextKey::MidClick, L"Mid Click", L"Mausrad Klick", L"中键", L"中鍵"},
    {TextKey::Forward, L"Forward", L"Vor", L"前进方向键", L"前進方向鍵"},
    {TextKey::Backward, L"Backward", L"Zurück", L"后退方向键", L"後退方向鍵"},
    {TextKey::TripleClick, L"Triple-click", L"Triple-click", L"三连发", L"三連發"},
    {TextKey::DpiSwitch, L"DPI Switch", L"DPI Switch", L"DPI切换", L"DPI切換"},
    {TextKey::RgbOnOff, L"RGB On/Off", L"RGB On/Off", L"RGB打开/关闭", L"RGB打開/關閉"},
    {TextKey::Windows, L"Windows", L"Windows", L"Windows", L"Windows"},
    {TextKey::Multimedia, L"Multimedia", L"Multimedia", L"多媒体", L"多媒體"},
    {TextKey::FireKey, L"Fire Key", L"Fire Key", L"火力键", L"火力鍵"},
    {TextKey::SingleKey, L"Single Key", L"Single Key", L"单键", L"單鍵"},
    {TextKey::ComboKey, L"Combo Key", L"Combo Key", L"组合键", L"複合鍵"},
    {TextKey::MacroKey, L"Macro Key", L"Macro Key", L"宏", L"巨集"},
    {TextKey::KeyOff, L"Key Off", L"Keine Belegung", L"按键关闭", L"按鍵關閉"},
};

TEST(FunctionNamesTest, AssignmentListEntriesInEveryLanguage) {
    for (const FunctionNames& names : kFunctionNames) {
        EXPECT_EQ(uiText(EN, names.key), names.english);
        EXPECT_EQ(uiText(DE, names.key), names.german);
        EXPECT_EQ(uiText(CHS, names.key), names.simplified);
        EXPECT_EQ(uiText(CHT, names.key), names.traditional);
    }
}

} // namespace
