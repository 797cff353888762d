#include "lang/maker_web_address.h"
#include "lang/text_table.h"

namespace {

// The German wording keeps several established English terms of the mouse and its software.
constexpr TextEntry kGermanEntries[] = {
    {TextKey::BasicSettings, L"Einstellungen"},
    {TextKey::AdvancedSettings, L"Erweiterte Einstellungen"},
    {TextKey::Ok, L"OK"},
    {TextKey::Apply, L"Übernehmen"},
    {TextKey::Cancel, L"Abbrechen"},
    {TextKey::MakerWebAddress, kMakerWebAddress},
    {TextKey::KeySetting, L"Tastenbelegung"},
    {TextKey::ReportRateSetting, L"Polling Rate"},
    {TextKey::DpiSetting, L"DPI Einstellung"},
    {TextKey::KeyDefault, L"Standard"},
    {TextKey::DpiEffectTitle, L"Leuchteffekt"},
    {TextKey::ModeLabel, L"Modus"},
    {TextKey::ParameterLabel, L"Beleuchtung"},
    {TextKey::EffectLabel, L"Effekt"},
    {TextKey::LeftClick, L"Linksklick"},
    {TextKey::RightClick, L"Rechtsklick"},
    {TextKey::MidClick, L"Mausrad Klick"},
    {TextKey::Forward, L"Vor"},
    {TextKey::Backward, L"Zurück"},
    {TextKey::TripleClick, L"Triple-click"},
    {TextKey::DpiSwitch, L"DPI Switch"},
    {TextKey::RgbOnOff, L"RGB On/Off"},
    {TextKey::Windows, L"Windows"},
    {TextKey::Multimedia, L"Multimedia"},
    {TextKey::FireKey, L"Fire Key"},
    {TextKey::SingleKey, L"Single Key"},
    {TextKey::ComboKey, L"Combo Key"},
    {TextKey::MacroKey, L"Macro Key"},
    {TextKey::KeyOff, L"Keine Belegung"},
    {TextKey::LeftKeyRequired, L"Linksklick kann nicht geändert werden!"},
    {TextKey::ModeOff, L"Off Mode"},
    {TextKey::ModeStandard, L"Standard"},
    {TextKey::ModeRespiration, L"Breathing"},
    {TextKey::ModeNeon, L"Neon"},
    {TextKey::EffectNone, L"Non-Display"},
    {TextKey::EffectRgb, L"RGB Effekt"},
    {TextKey::EffectRgbFlash, L"RGB pulsierend"},
    {TextKey::EffectRgbFixed, L"RGB dauerhaft"},
    {TextKey::Rate1000Notice, L"Polling Rate 1000HZ"},
    {TextKey::Rate500Notice, L"Polling Rate 500HZ"},
    {TextKey::Rate250Notice, L"Polling Rate 250HZ"},
    {TextKey::Rate125Notice, L"Polling Rate 125HZ"},
    // The stage notices end in a blank: the stage's DPI label is appended to them.
    {TextKey::DpiStage1Notice, L"DPI Stufe 1 "},
    {TextKey::DpiStage2Notice, L"DPI Stufe 2 "},
    {TextKey::DpiStage3Notice, L"DPI Stufe 3 "},
    {TextKey::DpiStage4Notice, L"DPI Stufe 4 "},
    {TextKey::KeyMatrixNotice1, L"Key Matrix 1"},
    {TextKey::KeyMatrixNotice2, L"Key Matrix 2"},
    {TextKey::MacroKeyNotice, L"Macro Key"},
    {TextKey::Exit, L"Exit"},
    {TextKey::MouseNotFound, L"Gaming Maus Krello Marrowin² konnte nicht gefunden werden!"},
    {TextKey::MouseFound, L"Krello Marrowin² Gaming Maus wurde erkannt."},
    {TextKey::MouseSpeed, L"Mausgeschwindigkeit"},
    {TextKey::ScrollingSpeed, L"Scrollgeschwindigkeit"},
    {TextKey::DoubleClickSpeed, L"Doppelklick-Geschwindigkeit"},
    {TextKey::EnhancePointerPrecision, L"Zeigerbeschleunigung verbessern"},
    {TextKey::ScrollOneScreen, L"Eine Bildschirmseite scrollen"},
    {TextKey::PointerDefault, L"Standard"},
    {TextKey::MacroSetting, L"Makro Einstellung"},
    {TextKey::SelectMacroTitle, L"Makro auswählen"},
    {TextKey::KeyPressSequence, L"Tastenfolge"},
    {TextKey::RecordOption, L"Aufnahme Optionen"},
    {TextKey::MacroName, L"Makro-Name"},
    {TextKey::StartRecording, L"Aufnahme"},
    {TextKey::StopRecording, L"Aufnahme beenden"},
    {TextKey::LoopTimes, L"Wiederholungen"},
    {TextKey::InsertMouseEventButton, L"Record Mouse Event"},
    {TextKey::New, L"Neu"},
    {TextKey::Delete, L"Löschen"},
    {TextKey::Confirm, L"Bestätigen"},
    {TextKey::MacroNameBlank, L"Bitte Makro-Name eingeben!"},
    {TextKey::MacroNameExists, L"Makro-Name existiert bereits!"},
    {TextKey::PressCtrlBreak, L"Drücken Sie Strg+Pause um die Aufnahme zu beenden"},
    {TextKey::NotRecording, L"Es nimmt gerade nicht auf, Stop muss nicht gedrückt werden. "},
};

constexpr TextTable kGermanTable = makeTextTable(kGermanEntries);
static_assert(isCompleteTextTable(kGermanTable), "every key needs a German text");

} // namespace

const TextTable& germanTextTable() {
    return kGermanTable;
}
