#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "macro_test_files.h"

namespace {

bool isEmptySlot(const MacroSlot& slot) {
    return slot.loopCount() == 0 && std::ranges::all_of(slot.events, [](uint8_t b) { return b == 0; });
}

TEST(MacroEditor, NewMacroRefusals) {
    MacroFiles f;
    for (int i = 0; i < 11; ++i) {
        f.newMacro(L"M" + std::to_wstring(i));
    }
    const struct {
        std::wstring name;
        std::optional<Notice> expected;
    } cases[] = {
        {L"", Notice{L"Macro name is blank", ProgramTitle{}}},
        {L"   ", Notice{L"Macro name is blank", ProgramTitle{}}},
        {L"m3", Notice{L"Macro name already exists", ProgramTitle{}}},
        {std::wstring(40, L'x'), std::nullopt},
        {L"Thirteenth", Notice{L"Macro numbers up to 12.", L"Warning"}},
        {L"M3", Notice{L"Macro numbers up to 12.", L"Warning"}},
    };
    for (const auto& c : cases) {
        f.editor.setMacroNameText(c.name);
        EXPECT_EQ(f.editor.NewMacro(), c.expected);
    }
    EXPECT_EQ(f.editor.macroNames().size(), 12u);
    EXPECT_EQ(f.editor.macroNames().back(), std::wstring(31, L'x')) << "typed names are cut to 31 characters";
}

TEST(MacroEditor, LoopTimesAreClampedAndWrittenToFileAndSlot) {
    MacroFiles f;
    f.confirm(L"Zero", {L"A   Dn"});
    f.confirm(L"Loop", {L"A   Dn"});
    const struct {
        std::wstring typed, shown;
        uint16_t stored;
    } cases[] = {{L"0", L"1", 1},
                 {L"65536", L"1", 1},
                 {L"", L"1", 1},
                 {L"65535", L"65535", 65535},
                 {L"300", L"300", 300}};
    for (const auto& c : cases) {
        f.editor.SetLoopTimes(c.typed);
        EXPECT_EQ(f.editor.loopTimesText(), c.shown);
        EXPECT_EQ(f.area[1].loopCount(), c.stored);
        EXPECT_EQ(f.file.readString(L"Loop", L"MacroLoopTimes"), std::to_wstring(c.stored));
    }
    EXPECT_EQ(f.area[0].loopCount(), 1);
}

TEST(MacroEditor, SlotsFollowTheFileOrderNotTheListOrder) {
    MacroFiles f;
    f.newMacro(L"X");
    f.newMacro(L"Y");
    writeBytes(f.folder.file(L"record.ini"), "[Y]\r\nMacroLoopTimes=1\r\n[X]\r\nMacroLoopTimes=1\r\n");
    f.editor.SelectMacro(0);
    f.editor.SetLoopTimes(L"7");
    EXPECT_EQ(f.area[1].loopCount(), 7) << "X stands second in record.ini";
    EXPECT_EQ(f.area[0].loopCount(), 0);
}

TEST(MacroEditor, ConfirmKeepsTheMacroInItsPlace) {
    MacroFiles f;
    f.confirm(L"One", {L"A   Dn"});
    f.confirm(L"Two", {L"B   Dn"});
    f.confirm(L"Three", {L"C   Dn"});
    f.editor.SelectMacro(0);
    f.editor.appendEventLine(L"50 ms");
    f.editor.appendEventLine(L"A   Up");
    ASSERT_FALSE(f.editor.SaveMacro());
    EXPECT_EQ(f.store.listMacros(), (Lines{L"One", L"Two", L"Three"}));
    EXPECT_EQ(f.area[0].events[2], 0x80);
    EXPECT_EQ(f.area[1].events[1], 0x05);
    EXPECT_EQ(f.area[2].events[1], 0x06);
    f.editor.DeleteMacro();
    EXPECT_EQ(f.store.listMacros(), (Lines{L"Two", L"Three"}));
    EXPECT_EQ(f.area[1].events[1], 0x06) << "the slots follow their macros";
    EXPECT_TRUE(isEmptySlot(f.area[2]));
}

TEST(MacroEditor, ConfirmWithAnEmptyListEmptiesTheMacroInFileAndSlot) {
    MacroFiles f;
    f.confirm(L"One", {L"A   Dn", L"50 ms"});
    f.confirm(L"Two", {L"B   Dn"});
    f.editor.SelectMacro(0);
    f.editor.clearEventLines();
    ASSERT_FALSE(f.editor.SaveMacro());
    EXPECT_TRUE(isEmptySlot(f.area[0]));
    f.editor.SelectMacro(1);
    ASSERT_FALSE(f.editor.SaveMacro());
    EXPECT_TRUE(isEmptySlot(f.area[0])) << "a later Confirm must not bring the old lines back";
    f.editor.SelectMacro(0);
    EXPECT_TRUE(f.editor.eventLines().empty());
}

TEST(MacroEditor, ConfirmRefusesAMacroTooLongForTheMouse) {
    MacroFiles f;
    f.newMacro(L"Long");
    for (int i = 0; i < 64; ++i) {
        f.editor.appendEventLine(L"A   Dn");
    }
    EXPECT_EQ(
        f.editor.SaveMacro(),
        (Notice{L"This macro is too long for the mouse. Remove some events and confirm again.", L"Warning"}));
    EXPECT_EQ(f.file.readString(L"Long", L"ItemCount"), L"");
    EXPECT_TRUE(isEmptySlot(f.area[0]));
}

TEST(MacroEditor, LoadShowsTheFirstMacroWithTheLoopCountOfSlotZero) {
    MacroFiles f;
    f.confirm(L"One", {L"A   Dn", L"50 ms"});
    f.confirm(L"Two", {L"B   Dn"});
    f.area[0].setLoopCount(42);
    f.editor.LoadMacroPage();
    EXPECT_EQ(f.editor.macroNames(), (Lines{L"One", L"Two"}));
    EXPECT_EQ(f.editor.selectedMacro(), 0u);
    EXPECT_EQ(f.editor.macroNameText(), L"One");
    EXPECT_EQ(f.editor.eventLines(), (Lines{L"A   Dn", L"50 ms"}));
    EXPECT_EQ(f.editor.loopTimesText(), L"42");
    EXPECT_EQ(f.file.readString(L"One", L"MacroLoopTimes"), L"42");
}

struct InsertCase {
    const char* situation;
    Lines before;
    std::optional<std::size_t> selected;
    std::size_t item;
    Lines after;
    std::optional<std::size_t> selectedAfter;
};

class InsertMouseEvent : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertMouseEvent, InsertsLinesThatKeepAlternating) {
    const InsertCase& c = GetParam();
    MacroFiles f;
    f.newMacro(L"M");
    for (const std::wstring& line : c.before) {
        f.editor.appendEventLine(line);
    }
    f.editor.selectEventLine(c.selected);
    f.editor.toggleMouseEventList();
    f.editor.InsertMouseEvent(c.item);
    EXPECT_EQ(f.editor.eventLines(), c.after) << c.situation;
    EXPECT_EQ(f.editor.selectedEventLine(), c.selectedAfter) << c.situation;
    EXPECT_FALSE(f.editor.mouseEventListOpen());
}

const std::wstring kGap = L"50 ms";
const std::wstring kLDn = L"L-Button   Dn", kLUp = L"L-Button   Up", kMDn = L"M-Button   Dn",
                   kMUp = L"M-Button   Up";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, InsertMouseEvent, ::testing::Values(
    InsertCase{"empty list, click", {}, {}, 0, {kLDn, kGap, kLUp, kGap}, {}},
    InsertCase{"empty list, up", {}, {}, 6, {L"R-Button   Up", kGap}, {}},
    InsertCase{"nothing selected", {L"A   Dn"}, {}, 0, {L"A   Dn"}, {}},
    InsertCase{"delay, click", {L"A   Dn", kGap}, 1, 2, {L"A   Dn", kGap, kMDn, kGap, kMUp, kGap}, 2},
    InsertCase{"delay, down", {L"A   Dn", kGap}, 1, 3, {L"A   Dn", kGap, kLDn, kGap}, 2},
    InsertCase{"key, click", {L"A   Dn", kGap, L"A   Up"}, 0, 0, {L"A   Dn", kGap, kLDn, kGap, kLUp, kGap, L"A   Up"}, 2},
    InsertCase{"key, up", {L"A   Dn"}, 0, 8, {L"A   Dn", kGap, kMUp}, 2}));
// clang-format on

TEST(MacroEditor, DelayLinesAreEditedAndEventLinesDeleted) {
    MacroFiles f;
    f.newMacro(L"M");
    for (const wchar_t* line : {L"A   Dn", L"50 ms", L"A   Up", L"50 ms"}) {
        f.editor.appendEventLine(line);
    }
    f.editor.selectEventLine(0);
    EXPECT_FALSE(f.editor.canEditDelay());
    f.editor.EditDelayLine(1500);
    EXPECT_EQ(f.editor.eventLines()[0], L"A   Dn");
    for (const auto& [value, line] :
         {std::pair{1500LL, L"1500 ms"}, {10000LL, L"10000 ms"}, {10001LL, L"50 ms"}}) {
        f.editor.selectEventLine(1);
        ASSERT_TRUE(f.editor.canEditDelay());
        f.editor.EditDelayLine(value);
        EXPECT_EQ(f.editor.eventLines()[1], line);
    }
    f.editor.selectEventLine(2);
    f.editor.DeleteEventLine();
    EXPECT_EQ(f.editor.eventLines(), (Lines{L"A   Dn", L"50 ms", L"50 ms"}));
    EXPECT_FALSE(f.editor.selectedEventLine());
}

TEST(MacroEditor, SectionsWhoseNamesDifferOnlyInCaseAreOneMacro) {
    MacroFiles f;
    writeBytes(f.folder.file(L"record.ini"), "[Macro]\r\nItemCount=2\r\nItem0=A   Dn\r\nItem1=10 ms\r\n"
                                             "[MACRO]\r\nItemCount=2\r\nItem0=B   Dn\r\nItem1=20 ms\r\n"
                                             "[Other]\r\nItemCount=1\r\nItem0=D   Dn\r\n"
                                             "[macro]\r\nItemCount=2\r\nItem0=C   Dn\r\nItem1=30 ms\r\n");
    f.editor.LoadMacroPage();
    EXPECT_EQ(f.editor.macroNames(), (Lines{L"Macro", L"Other"}));
    EXPECT_EQ(f.store.slotOf(L"Other"), 1u);
    f.editor.SelectMacro(0);
    EXPECT_EQ(f.editor.eventLines(), (Lines{L"A   Dn", L"10 ms"}));
    EXPECT_EQ(f.editor.DeleteMacro().slot, 0u);
    EXPECT_EQ(f.file.sectionNames(), Lines{L"Other"}) << "the macro goes whole, and no other";
}

// record.ini made read-only and writable again: it reads as before; while read-only every change
// fails.
class LockableFile : public ProfileStore {
public:
    explicit LockableFile(ProfileStore& file) : file_(file) {}
    std::wstring readString(const std::wstring& section, const std::wstring& key) override {
        return file_.readString(section, key);
    }
    bool writeString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        return !locked && file_.writeString(section, key, value);
    }
    bool deleteKey(const std::wstring& section, const std::wstring& key) override {
        return !locked && file_.deleteKey(section, key);
    }
    bool deleteSection(const std::wstring& section) override {
        return !locked && file_.deleteSection(section);
    }
    std::vector<std::wstring> sectionNames() override { return file_.sectionNames(); }

    bool locked = false;

private:
    ProfileStore& file_;
};

// Confirm, New and Delete with a record.ini that cannot be written tell so and change nothing, and
// the edit stays to be confirmed again.
TEST(MacroEditor, AFileThatCannotBeWrittenIsToldAndTheEditKept) {
    MacroFiles f;
    LockableFile file(f.file);
    MacroStore store(file);
    MacroEditor editor(store, f.area, f.texts);
    editor.setMacroNameText(L"Kept");
    ASSERT_FALSE(editor.NewMacro());
    editor.appendEventLine(L"A   Dn");
    ASSERT_FALSE(editor.SaveMacro());
    const MacroSlot slotBefore = f.area[0];
    const Notice notWritten{L"The macro file record.ini could not be written. Make sure the file and its "
                            L"folder are not read-only, then try again.",
                            L"Warning"};

    file.locked = true;
    editor.appendEventLine(L"50 ms");
    editor.appendEventLine(L"A   Up");
    EXPECT_EQ(editor.SaveMacro(), notWritten);
    EXPECT_EQ(editor.eventLines(), (Lines{L"A   Dn", L"50 ms", L"A   Up"}));
    EXPECT_EQ(0, std::memcmp(&f.area[0], &slotBefore, sizeof slotBefore));
    editor.setMacroNameText(L"New");
    EXPECT_EQ(editor.NewMacro(), notWritten);
    EXPECT_EQ(editor.DeleteMacro().refusal, notWritten);
    EXPECT_EQ(editor.macroNames(), Lines{L"Kept"});
    EXPECT_EQ(editor.selectedMacro(), 0u);
    EXPECT_EQ(store.readMacro(L"Kept").lines, Lines{L"A   Dn"});

    file.locked = false;
    EXPECT_FALSE(editor.SaveMacro());
    EXPECT_EQ(store.readMacro(L"Kept").lines, (Lines{L"A   Dn", L"50 ms", L"A   Up"}));
}

TEST(MacroEditor, ConfirmWritesTheLinesTheFileHeldAndNoPadding) {
    MacroFiles f;
    writeBytes(f.folder.file(L"record.ini"),
               "[huge]\r\nMacroLoopTimes=1\r\nItemCount=2000000000\r\nItem0=A   Dn\r\nItem1=50 ms\r\n");
    f.editor.LoadMacroPage();
    EXPECT_EQ(f.editor.eventLines(), (Lines{L"A   Dn", L"50 ms"}));
    ASSERT_FALSE(f.editor.SaveMacro());
    EXPECT_EQ(decodeText(readBytes(f.folder.file(L"record.ini"))).text,
              L"[huge]\r\nMacroLoopTimes=1\r\nItemCount=2\r\nItem0=A   Dn\r\nItem1=50 ms\r\n");
}

} // namespace
