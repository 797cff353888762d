#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/advanced_page_model.h"
#include "assign/button_function.h"
#include "macro/macro_test_files.h"

namespace {

class FakeRecorderHost : public RecorderHost {
public:
    void showNotice(const Notice& message) override { messages.push_back(message); }
    bool installKeyboardHook(unsigned long&) override { return hooked = true; }
    void removeKeyboardHook() override { hooked = false; }
    void setWindowTitle(const std::wstring&) override {}

    std::vector<Notice> messages;
    bool hooked = false;
};

struct MacroPage : testing::Test {
    TempFolder folder{L"gm page macro test"};
    IniFile file{pathFromWide(folder.file(L"record.ini"))};
    DeviceConfigRecord record{};
    AppSettings settings;
    UiTexts texts{Language::English};
    AdvancedPageModel page{record, settings, texts};
    FakeRecorderHost host;

    PageUpdate newMacro(const std::wstring& name) {
        page.setMacroNameText(name);
        return page.newMacro();
    }
};

PageUpdate refresh() {
    PageUpdate update;
    update.refreshControls = true;
    return update;
}

TEST_F(MacroPage, NothingHappensBeforeTheMacroFileIsOpened) {
    page.setMacroNameText(L"M");
    for (PageUpdate update : {page.loadMacroPage(), page.newMacro(), page.startMacroRecording(),
                              page.toggleMouseEventList(), page.insertMouseEvent(0), page.saveMacro()}) {
        EXPECT_EQ(update, PageUpdate{});
    }
    EXPECT_EQ(page.macroEditor(), nullptr);
    EXPECT_FALSE(page.mouseEventListOpen());
    EXPECT_FALSE(page.acceptRecordedKey(L"A", false, false));
}

TEST_F(MacroPage, RefusalsReachTheHostWithTheirCaptionAndTheControlsShowTheEditorAgain) {
    page.openMacroFile(file, host);
    EXPECT_EQ(newMacro(L""), refresh());
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(newMacro(L"M" + std::to_wstring(n)), refresh());
    }
    EXPECT_EQ(newMacro(L"M13"), refresh());
    EXPECT_EQ(host.messages, (std::vector<Notice>{{L"Macro name is blank", ProgramTitle{}},
                                                  {L"Macro numbers up to 12.", L"Warning"}}));
}

TEST_F(MacroPage, TheMouseEventListClosesOnAClickElsewhereAndOnEveryPageBuild) {
    page.openMacroFile(file, host);
    for (bool closeByClick : {true, false}) {
        EXPECT_EQ(page.toggleMouseEventList(), refresh());
        EXPECT_TRUE(page.mouseEventListOpen());
        page.closeListsAt({740, 500});
        EXPECT_TRUE(page.mouseEventListOpen()) << "a click inside the list keeps it";
        page.closeListsAt({740, 405});
        EXPECT_TRUE(page.mouseEventListOpen()) << "a click on its header is left to the toggle";
        closeByClick ? page.closeListsAt({100, 100}) : page.reset();
        EXPECT_FALSE(page.mouseEventListOpen());
    }
    page.toggleMouseEventList();
    EXPECT_EQ(page.click({520, 530}), refresh()) << "New acts once the list is closed";
    EXPECT_FALSE(page.mouseEventListOpen());
}

TEST_F(MacroPage, KeysRecordedThroughThePageReachTheRecordsMacroSlotOnConfirm) {
    page.openMacroFile(file, host);
    newMacro(L"Combo");
    page.startMacroRecording();
    ASSERT_TRUE(page.recording());
    for (bool released : {false, true}) {
        ASSERT_TRUE(page.acceptRecordedKey(L"A", released, released));
        EXPECT_EQ(page.onRecordedKey(released), refresh());
    }
    page.endRecording();
    EXPECT_FALSE(host.hooked);
    EXPECT_FALSE(page.recording());
    EXPECT_EQ(host.messages, (std::vector<Notice>{{L"Start Recording", ProgramTitle{}}}))
        << "building the other page ends a recording without a message";
    EXPECT_EQ(page.saveMacro(), refresh());
    const MacroSlot& slot = record.macroSlots[0];
    EXPECT_EQ(slot.loopCount(), 1);
    EXPECT_EQ(std::vector<uint8_t>(slot.events.begin(), slot.events.begin() + 5),
              (std::vector<uint8_t>{0x05, 0x04, 0x80, 0x04, 0x00}));
    page.loadMacroPage();
    EXPECT_EQ(page.macroEditor()->eventLines(), (Lines{L"A   Dn", L"50 ms", L"A   Up"}));
}

// Buttons name macros by slot: deleting B moves the buttons of C along with C in both key modes,
// and the buttons of B get their default function and label.
TEST_F(MacroPage, DeletingAMacroLeavesEveryButtonOnTheMacroItWasGiven) {
    MacroStore store(file);
    for (const wchar_t* name : {L"A", L"B", L"C"}) {
        store.writeMacro(name, L"1", {std::wstring(name) + L"   Dn"});
    }
    EncodeMacroArea(store, record.macroSlots);
    WriteButtonFunction(record, KeyMode::ModeA, 0, MacroKeyFunction{2, 1});
    WriteButtonFunction(record, KeyMode::ModeA, 1, MacroKeyFunction{1, 0});
    WriteButtonFunction(record, KeyMode::ModeB, 4, MacroKeyFunction{0, 2});
    WriteButtonFunction(record, KeyMode::ModeB, 6, MacroKeyFunction{1, 0});
    settings.labelsA[0] = L"Macro Key-C";
    settings.labelsA[1] = settings.labelsB[6] = L"Macro Key-B";
    page.openMacroFile(file, host);
    page.loadMacroPage();

    page.selectMacro(1);
    EXPECT_EQ(page.deleteMacro(), refresh());

    EXPECT_EQ(ReadButtonFunction(record, KeyMode::ModeA, 0), ButtonFunction(MacroKeyFunction{1, 1}));
    EXPECT_EQ(settings.labelsA[0], L"Macro Key-C");
    EXPECT_EQ(ReadButtonFunction(record, KeyMode::ModeA, 1), ButtonFunction(PlainFunction{kRightClick}));
    EXPECT_EQ(settings.labelsA[1], L"Right Click");
    EXPECT_EQ(ReadButtonFunction(record, KeyMode::ModeB, 4), ButtonFunction(MacroKeyFunction{0, 2}));
    EXPECT_EQ(ReadButtonFunction(record, KeyMode::ModeB, 6), ButtonFunction(DpiSwitchFunction{kDpiDown}));
    EXPECT_EQ(settings.labelsB[6], L"DPI -");
    EXPECT_EQ(record.macroSlots[1].events[1], 0x06) << "slot 1 holds C before the next Confirm";
    page.selectMacro(0);
    page.saveMacro();
    EXPECT_EQ(record.macroSlots[1].events[1], 0x06) << "and after it";
}

} // namespace
