#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/macro_encoding.h"

namespace {

struct EncodingCase {
    const char* what;
    std::wstring loopTimes;
    std::vector<std::wstring> lines;
    std::vector<uint8_t> expected; // the slot's first bytes; the rest must be zero
};

std::vector<uint8_t> bytesOf(const MacroSlot& slot) {
    const auto* begin = reinterpret_cast<const uint8_t*>(&slot);
    return std::vector<uint8_t>(begin, begin + sizeof slot);
}

class MacroEncoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(MacroEncoding, GivesExactSlotBytes) {
    const EncodingCase& c = GetParam();
    const std::optional<MacroSlot> slot = encodeMacro(c.loopTimes, c.lines);
    ASSERT_TRUE(slot) << c.what;
    std::vector<uint8_t> expected = c.expected;
    expected.resize(kMacroSlotSize, 0);
    EXPECT_EQ(bytesOf(*slot), expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MacroEncoding,
    ::testing::Values(
        EncodingCase{"no lines: all zero, loop count too", L"7", {}, {}},
        EncodingCase{
            "press, wait, release", L"1", {L"A   Dn", L"50 ms", L"A   Up"}, {0, 1, 0x05, 0x04, 0x80, 0x04}},
        EncodingCase{"loop count 0 counts once", L"0", {L"A   Dn"}, {0, 1, 0, 0x04}},
        EncodingCase{"loop count 65536 counts once", L"65536", {L"A   Dn"}, {0, 1, 0, 0x04}},
        EncodingCase{"loop count not a number", L"x5", {L"A   Dn"}, {0, 1, 0, 0x04}},
        EncodingCase{"loop count big-endian", L"300", {L"A   Dn"}, {0x01, 0x2C, 0, 0x04}},
        EncodingCase{"largest loop count", L"65535", {L"A   Dn"}, {0xFF, 0xFF, 0, 0x04}},
        EncodingCase{"1270 ms is short", L"1", {L"A   Dn", L"1270 ms"}, {0, 1, 0x7F, 0x04}},
        EncodingCase{"1271 ms is long", L"1", {L"A   Dn", L"1271 ms"}, {0, 1, 0x47, 0x04, 0x0C, 0x03}},
        EncodingCase{"long release", L"1", {L"A   Up", L"1271 ms"}, {0, 1, 0xC7, 0x04, 0x0C, 0x03}},
        EncodingCase{"10000 ms", L"1", {L"B   Dn", L"10000 ms"}, {0, 1, 0x00, 0x05, 0x64, 0x03}},
        EncodingCase{"a wait beyond 25599 ms saturates",
                     L"1",
                     {L"A   Dn", L"99999999999 ms"},
                     {0, 1, 0x63, 0x04, 0xFF, 0x03}},
        EncodingCase{"trailing key line waits 0",
                     L"1",
                     {L"A   Dn", L"50 ms", L"Enter   Up"},
                     {0, 1, 0x05, 0x04, 0x80, 0x28}},
        EncodingCase{
            "other lines give nothing", L"1", {L"hello", L"A   Dn", L"30 ms", L"ms"}, {0, 1, 0x03, 0x04}},
        EncodingCase{"unknown names give code 0", L"1", {L"Strg   Dn", L"50 ms"}, {0, 1, 0x05, 0x00}},
        EncodingCase{"mouse buttons",
                     L"1",
                     {L"L-Button   Dn", L"50 ms", L"M-Button   Up"},
                     {0, 1, 0x05, 0xF0, 0x80, 0xF2}},
        EncodingCase{"only key lines but no events", L"9", {L"just text"}, {0, 9}}));

std::vector<std::wstring> shortEvents(std::size_t count) {
    std::vector<std::wstring> lines;
    for (std::size_t i = 0; i < count; ++i) {
        lines.insert(lines.end(), {L"A   Dn", L"50 ms"});
    }
    return lines;
}

TEST(MacroEncodingLimits, SixtyThreeShortEventsFillTheSlotExactly) {
    const std::optional<MacroSlot> slot = encodeMacro(L"1", shortEvents(63));
    ASSERT_TRUE(slot);
    EXPECT_EQ(slot->events[124], 0x05);
    EXPECT_EQ(slot->events[125], 0x04);
}

TEST(MacroEncodingLimits, MacrosThatDoNotFitAreRefusedWhole) {
    EXPECT_FALSE(encodeMacro(L"1", shortEvents(64)));
    std::vector<std::wstring> longWaitAtTheEnd = shortEvents(63);
    longWaitAtTheEnd.back() = L"2000 ms";
    EXPECT_FALSE(encodeMacro(L"1", longWaitAtTheEnd));
    longWaitAtTheEnd.resize(longWaitAtTheEnd.size() - 2);
    longWaitAtTheEnd.back() = L"2000 ms";
    EXPECT_TRUE(encodeMacro(L"1", longWaitAtTheEnd)) << "61 short and one long event fill 126 bytes";
    EXPECT_FALSE(encodeMacro(L"1", std::vector<std::wstring>(kMacroLineLimit + 1, L"50 ms")));
    EXPECT_TRUE(encodeMacro(L"1", std::vector<std::wstring>(kMacroLineLimit, L"50 ms")));
}

} // namespace
