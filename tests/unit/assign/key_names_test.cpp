#include <gtest/gtest.h>

#include <string>

#include "assign/key_names.h"

namespace {

struct NameCase {
    const wchar_t* name;
    uint8_t code;
};

TEST(KeyNames, KeyNameToCode) {
    const NameCase cases[] = {{L"A", 0x04},
                              {L"Z", 0x1D},
                              {L"1", 0x1E},
                              {L"0", 0x27},
                              {L"Enter", 0x28},
                              {L"\\", 0x31},
                              {L"Eurpo(Note 2)", 0x32},
                              {L"/", 0x38},
                              {L"F12", 0x45},
                              {L"Prnt Scrn", 0x46},
                              {L"Up", 0x52},
                              {L"Num 9", 0x61},
                              {L"Num 0", 0x62},
                              {L"Num Del", 0x63},
                              {L"Ctrl", 0xE0},
                              {L"Alt", 0xE2},
                              {L"Right Windows", 0xE7},
                              {L"L-Button", 0xF0},
                              {L"M-Button", 0xF2}};
    for (const NameCase& c : cases) {
        EXPECT_EQ(KeyNameToCode(c.name), c.code) << std::wstring(c.name).size() << " chars";
    }
    // Other layouts' names, other cases, near misses and a name the layout cut at 31 characters.
    const std::wstring unknown[] = {
        L"Left Ctrl",          L"a", L"enter", L"Strg", L"", L"F13", L"A ", L"\\\\", L"Europe", L"B4-Button",
        std::wstring(31, L'A')};
    for (const std::wstring& name : unknown) {
        EXPECT_EQ(KeyNameToCode(name), 0) << name.size() << " chars";
    }
}

// Wine names the keys by their X key symbols where Windows' names differ; its one Control name is the
// left key.
TEST(KeyNames, WineKeyNames) {
    const NameCase cases[] = {{L"Return", 0x28}, {L"Escape", 0x29},   {L"space", 0x2C},   {L"Prior", 0x4B},
                              {L"KP_End", 0x59}, {L"KP_Enter", 0x58}, {L"Control", 0xE0}, {L"Super_R", 0xE7}};
    for (const NameCase& c : cases) {
        EXPECT_EQ(KeyNameToCode(c.name), c.code) << std::wstring(c.name).size() << " chars";
    }
}

TEST(KeyNames, ModifierNameToMask) {
    const NameCase cases[] = {{L"Left Ctrl", 0x01}, {L"Left Shift", 0x02}, {L"Left Alt", 0x04},
                              {L"Left Win", 0x08},  {L"Right Ctrl", 0x10}, {L"Right Shift", 0x20},
                              {L"Right Alt", 0x40}, {L"Right Win", 0x80},  {L"Ctrl", 0},
                              {L"Shift", 0},        {L"left ctrl", 0},     {L"Right Windows", 0}};
    for (const NameCase& c : cases) {
        EXPECT_EQ(ModifierNameToMask(c.name), c.code);
    }
    // The combo key's modifier list offers the same names, in mask order.
    ASSERT_EQ(modifierItems().size(), 8u);
    for (std::size_t bit = 0; bit < 8; ++bit) {
        EXPECT_EQ(ModifierNameToMask(modifierItems()[bit]), 1u << bit) << bit;
    }
}

TEST(KeyNames, FireKeyList) {
    const auto items = fireKeyItems();
    ASSERT_EQ(items.size(), 61u);
    const struct {
        int position;
        const wchar_t* item;
        uint8_t code;
    } cases[] = {{0, L"A", 0x04},
                 {25, L"Z", 0x1D},
                 {26, L"1", 0x1E},
                 {35, L"0", 0x27},
                 {36, L"L-CTRL", 0xE0},
                 {38, L"L-ALT", 0xE2},
                 {39, L"R-CTRL", 0xE4},
                 {40, L"R-SHIFT", 0xE5},
                 {41, L"R-ALT", 0xE6},
                 {42, L"F1", 0x3A},
                 {53, L"F12", 0x45},
                 {54, L"L-Button", 0xF0},
                 {57, L"B4-Button", 0xF3},
                 {58, L"B5-Button", 0xF4},
                 {59, L"L-Tilt Wheel", 0xF5},
                 {60, L"R-Tilt Wheel", 0xF6}};
    for (const auto& c : cases) {
        EXPECT_EQ(items[static_cast<std::size_t>(c.position)], c.item) << c.position;
        EXPECT_EQ(FireKeyCode(c.position), c.code) << c.position;
    }
    for (const int position : {-1, 61, 255, -1000}) {
        EXPECT_EQ(FireKeyCode(position), 0) << position;
    }
    // Letters, digits and function keys carry the same code as their key names.
    for (int position = 0; position < 61; ++position) {
        const uint8_t byName = KeyNameToCode(items[static_cast<std::size_t>(position)]);
        if (byName != 0) {
            EXPECT_EQ(FireKeyCode(position), byName) << position;
        }
    }
}

} // namespace
