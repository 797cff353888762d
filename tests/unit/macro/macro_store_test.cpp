#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro_test_files.h"

namespace {

struct StoreFixture {
    TempFolder folder{L"gm macro test"};
    IniFile file{pathFromWide(folder.file(L"record.ini"))};
    MacroStore store{file};

    void addMacro(const std::wstring& name, const std::wstring& loop,
                  const std::vector<std::wstring>& lines) {
        store.writeMacro(name, loop, lines);
    }
};

MacroArea filledArea(uint8_t value) {
    MacroArea area;
    for (MacroSlot& slot : area) {
        slot.loopCountBigEndian.fill(value);
        slot.events.fill(value);
    }
    return area;
}

TEST(MacroStore, ListsTwelveMacrosWhateverTheLengthOfTheirNames) {
    MacroFiles f;
    for (int i = 0; i < 14; ++i) {
        f.store.writeMacro(std::wstring(40, static_cast<wchar_t>(L'a' + i)), L"1", {L"A   Dn"});
    }
    const std::vector<std::wstring> names = f.store.listMacros();
    ASSERT_EQ(names.size(), kMacroSlotCount);
    EXPECT_EQ(names[11], std::wstring(40, L'l'));
    EXPECT_EQ(f.store.slotOf(std::wstring(40, L'L')), 11u);
    EXPECT_FALSE(f.store.slotOf(std::wstring(40, L'm')));
}

TEST(MacroStore, RewritingAMacroKeepsItsPlaceAndDropsItsOldLines) {
    MacroFiles f;
    f.store.writeMacro(L"First", L"2", {L"A   Dn", L"50 ms", L"A   Up"});
    f.store.writeMacro(L"Second", L"3", {L"B   Dn"});
    f.store.writeMacro(L"first", L"4", {L"C   Dn"});
    EXPECT_EQ(f.store.listMacros(), (std::vector<std::wstring>{L"First", L"Second"}));
    const StoredMacro first = f.store.readMacro(L"FIRST");
    EXPECT_EQ(first.loopTimes, L"4");
    EXPECT_EQ(first.lines, std::vector<std::wstring>{L"C   Dn"});
    EXPECT_EQ(f.file.readString(L"First", L"Item1"), L"");
    EXPECT_EQ(f.file.readString(L"First", L"Item2"), L"");
    f.store.deleteMacro(L"FIRST");
    EXPECT_EQ(f.store.listMacros(), Lines{L"Second"});
}

TEST(EncodeMacroArea, HandEditedExcessNeverReachesANeighbouringSlot) {
    MacroFiles f;
    for (int i = 0; i < 13; ++i) {
        f.store.writeMacro(L"M" + std::to_wstring(i), std::to_wstring(i + 1), {L"A   Dn"});
    }
    std::vector<std::wstring> tooLong;
    for (int i = 0; i < 70; ++i) {
        tooLong.insert(tooLong.end(), {L"B   Dn", L"50 ms"});
    }
    f.store.writeMacro(L"M1", L"2", tooLong);
    f.file.writeString(L"M2", L"ItemCount", L"4294967296");
    MacroArea area = filledArea(0xAA);
    EXPECT_EQ(EncodeMacroArea(f.store, area), (std::vector<std::wstring>{L"M1", L"M2"}));
    EXPECT_EQ(area[0].loopCount(), 1);
    EXPECT_EQ(area[1].loopCount(), 0);
    EXPECT_EQ(area[1].events[125], 0);
    EXPECT_EQ(area[2].loopCount(), 0);
    EXPECT_EQ(area[3].loopCount(), 4);
    EXPECT_EQ(area[11].loopCount(), 12) << "the thirteenth section is no macro";
}

TEST(EncodeMacroArea, DoesNothingWithoutAFile) {
    MacroFiles f;
    MacroArea area = filledArea(0x11);
    EXPECT_TRUE(EncodeMacroArea(f.store, area).empty());
    EXPECT_EQ(area[0].loopCount(), 0x1111);
    EXPECT_FALSE(fileExists(f.folder.file(L"record.ini")));
}

} // namespace
