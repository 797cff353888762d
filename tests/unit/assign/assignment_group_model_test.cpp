#include <gtest/gtest.h>

#include <cstring>

#include "assign/assignment_group_model.h"
#include "assign/default_button_labels.h"
#include "assign/function_choice.h"
#include "assign/key_matrix.h"

namespace {

// What a function dialog hands back, in the dialog's language.
using MakeChoice = FunctionChoice (*)(const UiTexts&);

// A record and labels after "Default", with recognisable values in every field, and the model on them.
struct Group {
    explicit Group(Language language = Language::English) : texts(language) {
        auto* bytes = reinterpret_cast<uint8_t*>(&record);
        for (std::size_t i = 0; i < sizeof record; ++i) {
            bytes[i] = static_cast<uint8_t>(0x40 + i % 61);
        }
        record.keyMode = 0;
        restoreDefaultAssignments(record);
        storeDefaultButtonLabels(settings, texts);
    }
    // Opens the list of `slot` and picks `item`; the dialog the pick asks for, if any, returns what
    // `choice` makes in the group's language (nothing: cancelled).
    bool pick(std::size_t slot, std::size_t item, MakeChoice choice = nullptr) {
        model.toggleAssignmentList(slot);
        const FunctionPick picked = model.pickFunction(slot, item);
        if (!picked.dialog) {
            return picked.changed;
        }
        EXPECT_EQ(picked.dialog, (DialogRequest{*dialogForItem(item), slot}));
        EXPECT_EQ(model.openList(), slot) << "the list stays open while the dialog runs";
        return model.assign(slot, choice ? std::optional<FunctionChoice>(choice(texts)) : std::nullopt);
    }

    DeviceConfigRecord record;
    AppSettings settings;
    UiTexts texts;
    AssignmentGroupModel model{record, settings, texts};
};

struct LaunchCase {
    Language language;
    std::size_t item;
    MakeChoice choice;
    const wchar_t* label;
    KeyMatrixEntry entry;
};

TEST(AssignmentGroup, LaunchStoresFunctionAndLabel) {
    using L = Language;
    const LaunchCase cases[] = {
        {L::English, 0, nullptr, L"Left Click", {0x01, 0, 0xF0, 0}},
        {L::English, 1, nullptr, L"Right Click", {0x01, 0, 0xF1, 0}},
        {L::English, 2, nullptr, L"Mid Click", {0x01, 0, 0xF2, 0}},
        {L::English, 3, nullptr, L"Forward", {0x01, 0, 0xF4, 0}},
        {L::English, 4, nullptr, L"Backward", {0x01, 0, 0xF3, 0}},
        {L::English, 5, nullptr, L"Triple-click", {0x0A, 0xF0, 0x22, 0x03}},
        {L::English, 7, nullptr, L"RGB On/Off", {0x08, 0, 0x03, 0}},
        {L::English, 14, nullptr, L"Key Off", {0, 0, 0, 0}},
        {L::German, 14, nullptr, L"Keine Belegung", {0, 0, 0, 0}},
        {L::English,
         8,
         [](const UiTexts&) { return windowsKeyChoice(2, L"Calculator"); },
         L"Calculator",
         {0x03, 0, 0x92, 0x01}},
        {L::English,
         8,
         [](const UiTexts&) { return windowsKeyChoice(10, L"Browser-My Favorites"); },
         L"Browser-My Favorites",
         {3, 0, 0x2A, 2}},
        {L::English,
         9,
         [](const UiTexts& t) { return multimediaKeyChoice(t, 4, L"Mute"); },
         L"Multimedia-Mute",
         {0x03, 0, 0xE2, 0}},
        {L::SimplifiedChinese,
         9,
         [](const UiTexts& t) { return multimediaKeyChoice(t, 0, L"下一首"); },
         L"多媒体-下一首",
         {0x03, 0, 0xB5, 0}},
        {L::English,
         10,
         [](const UiTexts& t) { return fireKeyChoice(t, 11, L"L", 5, 0); },
         L"Fire Key-L",
         {0x0A, 0x0F, 5, 0}},
        {L::English,
         10,
         [](const UiTexts& t) { return fireKeyChoice(t, 60, L"R-Tilt Wheel", 255, 255); },
         L"Fire Key-R-Tilt Wheel",
         {10, 0xF6, 255, 255}},
        {L::English,
         11,
         [](const UiTexts& t) { return singleKeyChoice(t, L"Enter"); },
         L"Single Key-Enter",
         {0, 0, 0x28, 0}},
        {L::English,
         11,
         [](const UiTexts& t) { return singleKeyChoice(t, L"Strg"); },
         L"Single Key-Strg",
         {0, 0, 0, 0}},
        {L::English,
         11,
         [](const UiTexts& t) { return singleKeyChoice(t, L""); },
         L"Single Key-",
         {0, 0, 0, 0}},
        {L::English,
         12,
         [](const UiTexts& t) { return comboKeyChoice(t, L"Left Ctrl", L"A", L"B"); },
         L"Combo Key-Left Ctrl+A+B",
         {0, 0x01, 4, 5}},
        {L::English,
         12,
         [](const UiTexts& t) { return comboKeyChoice(t, L"Left Shift", L"Tab", L""); },
         L"Combo Key-Left Shift+Tab",
         {0, 2, 0x2B, 0}},
        {L::English,
         12,
         [](const UiTexts& t) { return comboKeyChoice(t, L"", L"A", L""); },
         L"Combo Key-A",
         {0, 0, 0x04, 0}},
        {L::English,
         12,
         [](const UiTexts& t) { return comboKeyChoice(t, L"Right Win", L"", L""); },
         L"Combo Key-Right Win",
         {0, 0x80, 0, 0}},
        {L::English,
         12,
         [](const UiTexts& t) { return comboKeyChoice(t, L"", L"Strg", L"B"); },
         L"Combo Key-B",
         {0, 0, 0, 0x05}},
        {L::English,
         12,
         [](const UiTexts& t) { return comboKeyChoice(t, L"", L"Strg", L"Entf"); },
         L"Combo Key-",
         {0, 0, 0, 0}},
        {L::English,
         13,
         [](const UiTexts& t) { return macroKeyChoice(t, 0, 0, L"Macro1"); },
         L"Macro Key-Macro1",
         {0x09, 0, 1, 0}},
        {L::English,
         13,
         [](const UiTexts& t) { return macroKeyChoice(t, 11, 2, L"Boss"); },
         L"Macro Key-Boss",
         {0x09, 2, 12, 0}},
        {L::English,
         13,
         [](const UiTexts& t) { return macroKeyChoice(t, 0, 255, L""); },
         L"Macro Key-",
         {0x09, 0, 1, 0}},
        {L::SimplifiedChinese,
         13,
         [](const UiTexts& t) { return macroKeyChoice(t, 1, 1, L"M"); },
         L"宏-M",
         {0x09, 1, 2, 0}}};
    for (const LaunchCase& c : cases) {
        SCOPED_TRACE(c.label);
        Group group(c.language);
        group.settings.labelsA[1] = L"Left Click"; // so that slot 0 may take any function
        group.record.setA.functionIndex[1] = kLeftClick;
        EXPECT_TRUE(group.pick(0, c.item, c.choice));
        EXPECT_EQ(group.model.label(0), c.label);
        EXPECT_EQ(group.record.setA.functionIndex[0], c.item);
        EXPECT_EQ(EncodeButtonFunction(group.record, KeyMode::ModeA, 0), c.entry);
        EXPECT_FALSE(group.model.openList());
    }
}

TEST(AssignmentGroup, CancelledDialogLeavesTheSlotAsItWas) {
    for (const std::size_t item : {8u, 9u, 10u, 11u, 12u, 13u}) {
        Group group;
        const DeviceConfigRecord before = group.record;
        EXPECT_FALSE(group.pick(3, item));
        EXPECT_EQ(std::memcmp(&group.record, &before, sizeof before), 0) << item;
        EXPECT_EQ(group.model.label(3), L"Forward");
        EXPECT_FALSE(group.model.openList());
    }
}

TEST(AssignmentGroup, NoSelectionOrDpiSwitchKeepsTheListOpen) {
    Group group;
    group.model.toggleAssignmentList(4);
    for (const std::optional<std::size_t> item :
         {std::optional<std::size_t>{}, std::optional<std::size_t>{6}}) {
        EXPECT_EQ(group.model.pickFunction(4, item), FunctionPick{});
        EXPECT_EQ(group.model.openList(), 4u);
    }
}

TEST(AssignmentGroup, LeftKeyRule) {
    const struct {
        const char* name;
        Language language;
        std::size_t otherLeftSlot; // 12: none
        bool modeB;
        const wchar_t* message;
    } cases[] = {{"only left", Language::English, 12, false, L"Left key must be selected!"},
                 {"german", Language::German, 12, false, L"Linksklick kann nicht geändert werden!"},
                 {"simplified", Language::SimplifiedChinese, 12, false, L"左键功能必须选择！"},
                 {"traditional", Language::TraditionalChinese, 12, false, L"左鍵功能必須選擇！"},
                 {"second button", Language::English, 1, false, nullptr},
                 {"hidden slot", Language::English, 9, false, nullptr},
                 {"set B decides in Mode B", Language::English, 12, true, L"Left key must be selected!"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Group group(c.language);
        group.record.setB.functionIndex[2] = kLeftClick; // set B has a second Left Click until Mode B
        if (c.otherLeftSlot < kButtonSlotCount) {
            group.record.setA.functionIndex[c.otherLeftSlot] = kLeftClick;
        }
        if (c.modeB) {
            group.record.setB.functionIndex[2] = kMidClick;
            group.model.selectKeyMode(KeyMode::ModeB);
        }
        group.model.toggleAssignmentList(5);
        const std::optional<Notice> refusal = group.model.toggleAssignmentList(0);
        if (c.message) {
            EXPECT_EQ(refusal, (Notice{c.message, L"Warning"}));
            EXPECT_FALSE(group.model.openList()); // the other open list closed too
        } else {
            EXPECT_FALSE(refusal);
            EXPECT_EQ(group.model.openList(), 0u);
        }
    }
}

TEST(AssignmentGroup, ListsOpenOneAtATimeWithTheDpiSubList) {
    Group group;
    EXPECT_EQ(group.model.listItems().size(), 15u);
    EXPECT_EQ(group.model.listItems()[14], L"Key Off");
    group.model.toggleAssignmentList(2);
    group.model.onAssignmentListHover(2, 6);
    EXPECT_TRUE(group.model.dpiSubListOpen());
    group.model.onAssignmentListHover(2, 7);
    EXPECT_FALSE(group.model.dpiSubListOpen());
    group.model.onAssignmentListHover(3, 6); // not the open list
    EXPECT_FALSE(group.model.dpiSubListOpen());
    group.model.onAssignmentListHover(2, 6);
    group.model.toggleAssignmentList(6);
    EXPECT_EQ(group.model.openList(), 6u);
    EXPECT_FALSE(group.model.dpiSubListOpen());
    group.model.toggleAssignmentList(6);
    EXPECT_FALSE(group.model.openList());
    EXPECT_FALSE(group.model.onDpiSubListChoice(3)); // no list open

    group.model.toggleAssignmentList(2);
    group.model.onAssignmentListHover(2, 6);
    EXPECT_TRUE(group.model.onDpiSubListChoice(3));
    EXPECT_EQ(group.model.label(2), L"Shift DPI");
    EXPECT_EQ(ReadButtonFunction(group.record, KeyMode::ModeA, 2), ButtonFunction{DpiSwitchFunction{4}});
    EXPECT_FALSE(group.model.openList());
    EXPECT_FALSE(group.model.dpiSubListOpen());
    // Item 6 of list 3 lies 96 to 112 pixels down inside the list, 0 to 209 across.
    EXPECT_EQ(dpiSubListRect({252, 290, 463, 540}, {0, 96, 209, 112}), (Rect{461, 386, 521, 466}));
}

TEST(AssignmentGroup, ModeBStoresIntoSetBButtonOneIncluded) {
    for (const uint8_t modeByte : {1, 2}) {
        Group group;
        group.record.keyMode = modeByte;
        const AssignmentSet setA = group.record.setA;
        const ButtonLabels labelsA = group.settings.labelsA;
        group.pick(1, 0);
        EXPECT_TRUE(group.pick(0, 11, [](const UiTexts& t) { return singleKeyChoice(t, L"Q"); }));
        EXPECT_EQ(group.record.setB.singleKeyCode[0], 0x14);
        EXPECT_EQ(group.record.setB.functionIndex[0], kSingleKey);
        EXPECT_EQ(group.settings.labelsB[0], L"Single Key-Q");
        EXPECT_EQ(std::memcmp(&group.record.setA, &setA, sizeof setA), 0);
        group.model.selectKeyMode(KeyMode::ModeA);
        EXPECT_EQ(group.record.keyMode, 0);
        EXPECT_EQ(group.model.label(0), labelsA[0]);
    }
}

TEST(AssignmentGroup, DefaultRestoresBothSetsAndLabelsOnly) {
    Group group(Language::German);
    group.model.selectKeyMode(KeyMode::ModeB);
    group.pick(1, 0);
    group.pick(0, 12, [](const UiTexts& t) { return comboKeyChoice(t, L"Left Alt", L"F4", L""); });
    group.record.setA.functionIndex[9] = kMacroKey;
    group.settings.labelsA[9] = L"x";
    group.model.restoreDefaultAssignments();
    DeviceConfigRecord expected = Group(Language::German).record;
    expected.keyMode = 1;
    expected.setB.comboModifiers[0] = 0x04;
    expected.setB.comboFirstKey[0] = 0x3D;
    expected.setB.comboSecondKey[0] = 0;
    EXPECT_EQ(std::memcmp(&group.record, &expected, sizeof expected), 0);
    EXPECT_EQ(group.settings.labelsA, defaultButtonLabels(group.texts));
    EXPECT_EQ(group.settings.labelsB, defaultButtonLabels(group.texts));
}

} // namespace
